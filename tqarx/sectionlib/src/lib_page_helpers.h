// Pieces the section library pages share: icon buttons, the name list with enabled marks
// and the sheet of user names per language.
#pragma once

#include "engine/zk_spread.h"
#include "host/button_st.h"
#include "host/zk_array.h"
#include "host/zk_string.h"

class CCheckComboBox;
class CWnd;

void setUpLibIconButton(CButtonST& button, int id, CWnd* page, UINT icon, int tooltipText);

// Fills a check combo with names, each with its enabled mark; selects select (-1: none).
void fillCheckCombo(CCheckComboBox* combo, const Zk_StringArray& names, const Zk_Array<int>& enabled, int select);

// One column of user names (titled numbered text 87), one row per language with the
// language codes as row headers.
class LanguageNamesSheet {
public:
    bool create(CWnd* page, int placeholderId);
    // Shows names (missing ones empty); an empty list with enable false clears the sheet.
    void show(const Zk_StringArray& names);
    Zk_StringArray read() const;
    void enable(bool enabled);
    Zk_Spread sheet;
};

// The current language's index in GetAllLanguages (0 when it is not there).
int currentLanguageIndex();
