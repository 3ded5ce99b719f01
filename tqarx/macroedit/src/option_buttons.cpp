#include "macroedit/option_buttons.h"

#include <algorithm>

#include "host/edit_constr_data.h"

OptionButtonLayout layoutOptionButtons(const Zk_StringArray& pictures) {
    OptionButtonLayout layout;
    int group = 1;
    int inGroup = 0;
    int button = 0;
    for (const Zk_String& entry : pictures) {
        if (entry == kRadioBreak) {
            ++group;
            inGroup = 0;
            continue;
        }
        if (button >= kEcOptionButtonCount) break;
        layout.picture[button] = entry;
        layout.group[button] = group;
        layout.position[button] = inGroup++;
        if (group <= 2) layout.selectionGroups = std::max(layout.selectionGroups, group);
        ++button;
    }
    return layout;
}
