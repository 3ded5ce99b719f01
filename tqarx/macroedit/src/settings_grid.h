// What the pages of the macro settings dialog share: the icon buttons and the reading of
// numbers typed as text. Their grids are prepared as every editor grid
// (macroedit/editor_grid.h).
#pragma once

#include "host/zk_string.h"

class Zk_Spread;
class CButtonST;
class CWnd;

namespace macro_settings {

// A flat icon button with a tooltip (a dialog text).
void setUpIconButton(CButtonST& button, int id, CWnd* page, unsigned icon, int tooltipText);

// A picture button showing a file of the product's "icons\" folder (disabled, borderless).
void setUpPictureButton(CButtonST& button, int id, CWnd* page, const wchar_t* fileName, unsigned long transparent);

// A number typed as text; anything that is not a number reads as 0.
double numberOf(const Zk_String& text);
// A control's or a cell's text.
Zk_String controlText(const CWnd* page, int id);
Zk_String cellText(const Zk_Spread& grid, int col, int row);

}  // namespace macro_settings
