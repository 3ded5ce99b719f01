// The option buttons of a constraint row: its picture list gives the five buttons their
// pictures in order, an entry "%radioBreak%" starting the next button group. Groups 1 and
// 2 each hold one selection of the row; buttons after a second separator belong to no
// selection.
#pragma once

#include "host/zk_array.h"
#include "host/zk_string.h"
#include "res/macroedit_ids.h"

struct OptionButtonLayout {
    Zk_String picture[kEcOptionButtonCount];  // empty: no picture (the button is disabled)
    int group[kEcOptionButtonCount] = {};     // 1-based group, 0 for a button without a picture entry
    int position[kEcOptionButtonCount] = {};  // index within its group
    // Groups that hold a selection and at least one button (0 to 2).
    int selectionGroups = 0;
};

OptionButtonLayout layoutOptionButtons(const Zk_StringArray& pictures);
