// DlgOpenSave: the host's dialog for choosing one file to open or a file name to save
// under. The stand-in is a modal dialog titled `title` that shows the start folder and the
// filter and takes the path typed into one edit box (preset with `chosen`'s file name). A
// relative path is taken below the start folder. In save mode the extension is added when
// the name lacks it; in open mode a file that does not exist is refused with a message
// and the dialog stays open.
#pragma once

#include "host/zk_string.h"

constexpr unsigned IDD_HOST_OPEN_SAVE = 30105;
constexpr int IDC_OPEN_SAVE_FOLDER = 30106;  // static: the start folder
constexpr int IDC_OPEN_SAVE_FILTER = 30107;  // static: the filter
constexpr int IDC_OPEN_SAVE_PATH = 30108;    // edit: the chosen path

// True on OK with chosen set to the full Windows path; false on Cancel, chosen unchanged.
// filter is shown as given (e.g. "Templates (*.txt)"); extension is without the dot.
bool DlgOpenSave(bool openMode, const Zk_String& extension, const Zk_String& filter, const Zk_String& title,
                 const Zk_String& startFolder, Zk_String& chosen);
