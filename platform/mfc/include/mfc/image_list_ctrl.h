// CImageListCtrl: a list of thumbnails, a picture with a name under it, over the
// "SysListView32" window (see CListCtrl), e.g. the drawings of a macro library to choose
// from.
//
// Initialize sets the thumbnail size and empties the list; DrawThumbnails shows one item
// per file, in order, with the given names (a file that cannot be read as a bitmap shows
// its name without a picture). The control loads and owns those pictures. A click selects
// one item (LVN_ITEMCHANGED to the parent for the item left, then the item chosen, then
// NM_CLICK); a click beside the items clears the selection; a double click on an item
// selects it and sends NM_DBLCLK. GetSelectionName and GetSelectionFile read the chosen
// item. The scripted user picks an item with pickThumbnail (double: true for a double click).
#pragma once

#include <vector>

#include "mfc/controls.h"

class CImageListCtrl : public CListCtrl {
public:
    CImageListCtrl() = default;
    ~CImageListCtrl() override;
    void Initialize(int thumbWidth = 96, int thumbHeight = 96);
    // Returns how many pictures could be read. names may be shorter than files: the missing
    // names are the files' names without folder and extension.
    int DrawThumbnails(const std::vector<CString>& files, const std::vector<CString>& names);
    CString GetSelectionName() const;  // empty when nothing is selected
    CString GetSelectionFile() const;  // the file of the selected thumbnail, or empty
    CString GetItemFile(int index) const;
    void SelectItem(int index);  // -1 clears the selection; notifies as a click does

private:
    void ReleasePictures();
    std::vector<HBITMAP> m_pictures;
    std::vector<CString> m_files;
};
