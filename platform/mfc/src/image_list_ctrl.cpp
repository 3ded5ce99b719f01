#include "mfc/image_list_ctrl.h"

#include "win/bitmap.h"
#include "win/window.h"

namespace {
// The file's name without folder and extension.
CString BareName(const CString& path) {
    const std::wstring& s = path.str();
    std::size_t slash = s.find_last_of(L"\\/");
    std::wstring name = slash == std::wstring::npos ? s : s.substr(slash + 1);
    std::size_t dot = name.rfind(L'.');
    if (dot != std::wstring::npos && dot > 0) name.resize(dot);
    return CString(name);
}
}  // namespace

CImageListCtrl::~CImageListCtrl() {
    if (m_hWnd && ::IsWindow(m_hWnd)) DeleteAllItems();
    ReleasePictures();
}

void CImageListCtrl::ReleasePictures() {
    for (HBITMAP b : m_pictures) DeleteObject(b);
    m_pictures.clear();
    m_files.clear();
}

void CImageListCtrl::Initialize(int thumbWidth, int thumbHeight) {
    if (m_hWnd) {
        DeleteAllItems();
        SetIconSpacing(thumbWidth, thumbHeight);
    }
    ReleasePictures();
}

int CImageListCtrl::DrawThumbnails(const std::vector<CString>& files, const std::vector<CString>& names) {
    if (!m_hWnd) return 0;
    DeleteAllItems();
    ReleasePictures();
    int read = 0;
    for (std::size_t i = 0; i < files.size(); ++i) {
        auto picture = static_cast<HBITMAP>(
            LoadImageW(nullptr, files[i].GetString(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
        if (picture) {
            m_pictures.push_back(picture);
            ++read;
        }
        m_files.push_back(files[i]);
        CString name = i < names.size() ? names[i] : BareName(files[i]);
        InsertItem(static_cast<int>(i), name.GetString(), picture, static_cast<LPARAM>(i));
    }
    return read;
}

CString CImageListCtrl::GetItemFile(int index) const {
    if (index < 0 || index >= GetItemCount()) return CString();
    auto at = static_cast<std::size_t>(GetItemData(index));
    return at < m_files.size() ? m_files[at] : CString();
}

CString CImageListCtrl::GetSelectionName() const {
    int sel = GetSelectedItem();
    return sel < 0 ? CString() : GetItemText(sel);
}

CString CImageListCtrl::GetSelectionFile() const { return GetItemFile(GetSelectedItem()); }

void CImageListCtrl::SelectItem(int index) {
    if (index < 0) SetItemState(-1, 0, LVIS_SELECTED);
    else SetItemState(index, LVIS_SELECTED, LVIS_SELECTED);
}
