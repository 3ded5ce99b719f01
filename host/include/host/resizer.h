// CResizer (also KmResizer): moves and sizes a dialog's controls when the dialog is
// resized, from a table of anchors. Each side of a control has a border entry
// (kind, reference, edge):
//   kind 1  keep the distance to the reference edge;
//   kind 2  move in proportion to the dialog's client size;
//   kind 3  keep the width (a left side follows the right one, a right side the left);
//   kind 4  keep the height (a top side follows the bottom one, a bottom side the top);
//   reference 0 is the dialog's client area, any other value a control id (use controls
//   listed earlier in the table, so their new place is known);
//   edge 1 left, 2 top, 3 right, 4 bottom of the reference.
#pragma once

#include <vector>

#include "win/types.h"

class CWnd;

class CResizer {
public:
    struct Border {
        int kind = 1;
        int reference = 0;
        int edge = 1;
    };
    struct Anchor {
        int id = 0;
        Border left, top, right, bottom;
    };

    // Remembers the dialog's client size and the controls' places as they are now.
    // False when dlg has no window; controls that do not exist are skipped.
    bool init(CWnd* dlg, const Anchor* anchors, int count);
    bool init(CWnd* dlg, const std::vector<Anchor>& anchors) {
        return init(dlg, anchors.data(), static_cast<int>(anchors.size()));
    }
    // Places every anchored control for the dialog's current client size.
    void move();
    // The client size at init.
    SIZE initialSize() const { return m_initial; }
    bool isInitialised() const { return m_dlg != nullptr; }

private:
    struct Item {
        Anchor anchor;
        RECT original{};
        RECT current{};
        bool present = false;
    };
    bool referenceEdge(int reference, int edge, bool original, LONG& value) const;
    LONG place(const Border& border, int axis, LONG originalValue, const RECT& client) const;

    CWnd* m_dlg = nullptr;
    SIZE m_initial{};
    std::vector<Item> m_items;
};

using KmResizer = CResizer;
