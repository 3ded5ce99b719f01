// Small control helpers the macro sub-dialogs share: numbered texts on controls,
// three-state checks standing for integers, combos selecting a text, pictures from the
// program's icons folder, and a grid made over a placeholder.
#pragma once

#include <initializer_list>
#include <utility>

#include "host/zk_array.h"
#include "host/zk_string.h"

class CWnd;
class Zk_Spread;

namespace subdlg {

// Sets each control's text to a numbered dialog text: {control id, text number}.
void setTexts(CWnd& dlg, std::initializer_list<std::pair<int, int>> texts);
void setText(CWnd& dlg, int id, const Zk_String& text);
Zk_String text(const CWnd& dlg, int id);

// A three-state check standing for an integer: 0 unchecked, 1 checked, negative mixed;
// read back, mixed gives -1.
void setTriState(CWnd& dlg, int id, int value);
int triState(const CWnd& dlg, int id);
// A click on such a check cycles between unchecked and checked only.
void toggleTwoStates(CWnd& dlg, int id);
bool isChecked(const CWnd& dlg, int id);
void check(CWnd& dlg, int id, bool checked);

void enable(CWnd& dlg, int id, bool enabled);
void show(CWnd& dlg, int id, bool shown);

// Fills a combo with items and selects text, added at the end when missing (an empty
// text selects nothing).
void fillCombo(CWnd& dlg, int id, const Zk_StringArray& items, const Zk_String& select);
void fillCombo(CWnd& dlg, int id, const Zk_StringArray& items);
int comboSel(const CWnd& dlg, int id);
void setComboSel(CWnd& dlg, int id, int index);
int comboCount(const CWnd& dlg, int id);
// The selected item's text; empty when none is selected.
Zk_String comboText(const CWnd& dlg, int id);

// A bitmap file of the program's "icons\" folder on a button or picture control; false
// when it cannot be read.
bool setIconsPicture(CWnd& dlg, int id, const Zk_String& fileName);
Zk_String iconsFolder();

// Creates grid over the placeholder with columns, and header texts for columns 1 on.
bool makeGrid(CWnd& dlg, Zk_Spread& grid, int placeholderId, const Zk_StringArray& headers,
              const Zk_Array<double>& widths);
Zk_String cell(const Zk_Spread& grid, int col, int row);

}  // namespace subdlg
