#include "sheeteditor/layout_keeper.h"

#include "mfc/cwnd.h"
#include "win/window.h"

void CLayoutKeeper::fill(CWnd* dialog) {
    m_entries.clear();
    m_dialog = dialog ? dialog->GetSafeHwnd() : nullptr;
    if (!m_dialog) return;
    ::GetWindowRect(m_dialog, &m_rect);
    for (HWND child = ::GetWindow(m_dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        wchar_t cls[64] = {};
        ::GetClassNameW(child, cls, 64);
        if (std::wstring(cls) == L"ToolbarWindow32") continue;
        Entry entry;
        entry.hwnd = child;
        ::GetWindowRect(child, &entry.rect);
        POINT topLeft{entry.rect.left, entry.rect.top};
        POINT bottomRight{entry.rect.right, entry.rect.bottom};
        ::ScreenToClient(m_dialog, &topLeft);
        ::ScreenToClient(m_dialog, &bottomRight);
        entry.rect = RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
        m_entries.append(entry);
    }
}

bool CLayoutKeeper::setFlags(int controlId, int horizontal, int vertical) {
    for (Entry& entry : m_entries) {
        if (::GetDlgCtrlID(entry.hwnd) != controlId) continue;
        entry.horizontal = horizontal;
        entry.vertical = vertical;
        return true;
    }
    return false;
}

void CLayoutKeeper::layOut(int flags, int start, int end, int w0, int w, int& newStart, int& newEnd) {
    auto scaled = [&](int v) { return w0 > 0 ? static_cast<int>(static_cast<long long>(v) * w / w0) : v; };
    const bool keepSize = (flags & kKeepSize) != 0;
    const bool keepStart = (flags & kKeepStart) != 0;
    const bool followEnd = (flags & kFollowEnd) != 0;
    if (keepStart)
        newStart = start;
    else if (keepSize && followEnd)
        newStart = start + w - w0;
    else
        newStart = scaled(start);
    if (followEnd)
        newEnd = end + w - w0;
    else if (keepSize)
        newEnd = newStart + (end - start);
    else
        newEnd = scaled(end);
}

void CLayoutKeeper::apply() {
    if (!m_dialog || !::IsWindow(m_dialog)) return;
    RECT now{};
    ::GetWindowRect(m_dialog, &now);
    const int w0 = m_rect.right - m_rect.left;
    const int h0 = m_rect.bottom - m_rect.top;
    const int w = now.right - now.left;
    const int h = now.bottom - now.top;
    HDWP batch = ::BeginDeferWindowPos(m_entries.length());
    for (const Entry& entry : m_entries) {
        if (!::IsWindow(entry.hwnd)) continue;
        int left = 0, right = 0, top = 0, bottom = 0;
        layOut(entry.horizontal, entry.rect.left, entry.rect.right, w0, w, left, right);
        layOut(entry.vertical, entry.rect.top, entry.rect.bottom, h0, h, top, bottom);
        if (batch)
            batch = ::DeferWindowPos(batch, entry.hwnd, nullptr, left, top, right - left, bottom - top, SWP_NOZORDER);
    }
    if (batch) ::EndDeferWindowPos(batch);
}
