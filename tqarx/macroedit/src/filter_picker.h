// FilterPicker: the controls of one list of named filters on a filters page: a check
// combo of the names (its marks are the enabled flags), an enabled check box for the
// filter shown and the fields of its values. Picking another filter stores the one shown
// first; the value fields (and the page's own controls for the filter) are enabled only
// while the filter is enabled, and everything is disabled when there are no filters.
#pragma once

#include <functional>
#include <vector>

#include "host/macro_settings_data.h"
#include "mfc/check_combo.h"

class CDialog;

class FilterPicker {
public:
    struct Ids {
        int combo = 0;
        int enabled = 0;
        int group = 0;
        std::vector<int> values;   // value fields, one number each
        std::vector<int> details;  // further controls of a filter, enabled with the values
    };

    FilterPicker(CDialog& page, Ids ids);

    // Takes the list (null: nothing shown, everything disabled) and shows its first filter.
    void attach(MacroFilterList* list);
    // Handles the commands of the picker's controls; false for others.
    bool onCommand(int id, int code);
    // Stores the filter shown.
    void store();
    // Stores the filter shown and shows index.
    void select(int index);
    int current() const { return m_current; }
    CCheckComboBox& combo() { return m_combo; }

    // The page's own parts of a filter: shown after the value fields, stored after them.
    std::function<void(MacroFilterList& list, int index)> showDetails;
    std::function<void(MacroFilterList& list, int index)> storeDetails;

private:
    void show(int index);
    void enableValues(bool enabled);
    bool hasFilters() const { return m_list != nullptr && !m_list->names.isEmpty(); }

    CDialog& m_page;
    Ids m_ids;
    MacroFilterList* m_list = nullptr;
    int m_current = -1;
    CCheckComboBox m_combo;
};
