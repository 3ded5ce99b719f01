#include "host/resizer.h"

#include "mfc/cwnd.h"

namespace {
LONG edgeOf(const RECT& r, int edge) {
    switch (edge) {
    case 1: return r.left;
    case 2: return r.top;
    case 3: return r.right;
    default: return r.bottom;
    }
}
}  // namespace

bool CResizer::init(CWnd* dlg, const Anchor* anchors, int count) {
    m_dlg = nullptr;
    m_items.clear();
    if (!dlg || !dlg->GetSafeHwnd()) return false;
    m_dlg = dlg;
    RECT client;
    dlg->GetClientRect(&client);
    m_initial = SIZE{client.right - client.left, client.bottom - client.top};
    for (int i = 0; i < count; ++i) {
        Item item;
        item.anchor = anchors[i];
        if (CWnd* control = dlg->GetDlgItem(anchors[i].id)) {
            control->GetWindowRect(&item.original);
            dlg->ScreenToClient(&item.original);
            item.current = item.original;
            item.present = true;
        }
        m_items.push_back(item);
    }
    return true;
}

bool CResizer::referenceEdge(int reference, int edge, bool original, LONG& value) const {
    if (reference == 0) {
        RECT client{0, 0, m_initial.cx, m_initial.cy};
        if (!original) m_dlg->GetClientRect(&client);
        value = edgeOf(client, edge);
        return true;
    }
    for (const Item& item : m_items) {
        if (item.present && item.anchor.id == reference) {
            value = edgeOf(original ? item.original : item.current, edge);
            return true;
        }
    }
    return false;
}

// The new coordinate of one side for kinds 1 and 2 (axis 0 horizontal, 1 vertical).
LONG CResizer::place(const Border& border, int axis, LONG originalValue, const RECT& client) const {
    if (border.kind == 2) {
        const LONG initial = axis == 0 ? m_initial.cx : m_initial.cy;
        const LONG now = axis == 0 ? client.right : client.bottom;
        return initial > 0 ? static_cast<LONG>(static_cast<long long>(originalValue) * now / initial) : originalValue;
    }
    LONG before = 0, after = 0;
    if (!referenceEdge(border.reference, border.edge, true, before) ||
        !referenceEdge(border.reference, border.edge, false, after))
        return originalValue;
    return originalValue + (after - before);
}

void CResizer::move() {
    if (!m_dlg || !m_dlg->GetSafeHwnd()) return;
    RECT client;
    m_dlg->GetClientRect(&client);
    for (Item& item : m_items) {
        if (!item.present) continue;
        const RECT& o = item.original;
        const Anchor& a = item.anchor;
        RECT r = o;
        const auto fixed = [](const Border& b) { return b.kind == 1 || b.kind == 2; };
        if (fixed(a.left)) r.left = place(a.left, 0, o.left, client);
        if (fixed(a.right)) r.right = place(a.right, 0, o.right, client);
        if (fixed(a.top)) r.top = place(a.top, 1, o.top, client);
        if (fixed(a.bottom)) r.bottom = place(a.bottom, 1, o.bottom, client);
        if (!fixed(a.left)) r.left = r.right - (o.right - o.left);
        if (!fixed(a.right)) r.right = r.left + (o.right - o.left);
        if (!fixed(a.top)) r.top = r.bottom - (o.bottom - o.top);
        if (!fixed(a.bottom)) r.bottom = r.top + (o.bottom - o.top);
        // Never turned inside out by a window made very small.
        if (r.right < r.left) r.right = r.left;
        if (r.bottom < r.top) r.bottom = r.top;
        item.current = r;
        if (CWnd* control = m_dlg->GetDlgItem(a.id)) control->MoveWindow(r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
    }
}
