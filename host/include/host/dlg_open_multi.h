// DlgOpenMulti: the host's dialog for choosing several drawings (and folders) at once.
// The stand-in is a modal dialog titled `title` that shows the start folder and the file
// filter and takes the chosen paths typed into one edit box, one per line (or separated
// by ";"). A relative path is taken below the start folder.
#pragma once

#include "host/zk_array.h"
#include "host/zk_string.h"
#include "win/types.h"

constexpr unsigned IDD_HOST_OPEN_MULTI = 30101;
constexpr int IDC_OPEN_MULTI_FOLDER = 30102;   // static: the start folder
constexpr int IDC_OPEN_MULTI_FILTER = 30103;   // static: filter name and extension
constexpr int IDC_OPEN_MULTI_PATHS = 30104;    // edit: the chosen paths

// True on OK with chosen replaced by the chosen paths (full Windows paths, in the order
// given); false on Cancel with chosen unchanged.
bool DlgOpenMulti(bool allowFolders, const Zk_String& extension, const Zk_String& filterName,
                  const Zk_String& title, const Zk_String& startFolder, Zk_StringArray& chosen);
