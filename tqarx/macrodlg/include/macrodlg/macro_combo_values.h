// Small helpers of the macro pages: values in edits and combos, the rotation list,
// button captions that must fit, and the drawing files of a library sub-folder.
#pragma once

#include "host/zk_array.h"
#include "host/zk_string.h"
#include "win/types.h"

// Index of text in items; -1 when absent.
int indexIn(const Zk_StringArray& items, const Zk_String& text);

// The window text of an edit or button, or the text a combo shows.
Zk_String controlText(HWND wnd);
// Shows value: an edit or button gets it as its text; a combo is refilled with items
// (when given) and the value selected, added first when the combo does not list it.
void showInControl(HWND wnd, const Zk_String& value, const Zk_StringArray* items = nullptr);
void fillCombo(HWND combo, const Zk_StringArray& items);
void selectComboItem(HWND combo, int index);

// The rotation combo: "0°", "90°", "180°", "270°" and the keep item.
Zk_StringArray rotationItems();
// A stored rotation as the combo shows it ("90" -> "90°"; other texts as they are).
Zk_String rotationShown(const Zk_String& rotation);
// A rotation as shown, back to the stored text ("90°" -> "90").
Zk_String rotationValue(const Zk_String& shown);

// text, or "..." when it does not fit the button: the width needed is the text's length
// times 4, times 8 in language 4.
Zk_String fittedButtonText(const Zk_String& text, HWND button);

// The names, without extension, of the drawings in the library's sub-folder.
Zk_StringArray drawingFileNames(const Zk_String& subFolder);
// The full path of a drawing of that sub-folder.
Zk_String drawingFilePath(const Zk_String& subFolder, const Zk_String& name);
