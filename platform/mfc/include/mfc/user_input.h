// Input as a person makes it, through the messages real input produces: mouse presses and
// releases at a point, key presses (with Shift/Ctrl/Alt held), typed characters. Each action
// posts its messages and pumps the queue, so PreTranslateMessage sees keys first and the
// controls notify their parents as they would. An action on a missing, hidden or disabled
// window does nothing, reports a failure (see SetInputFailureReporter) and returns false.
#pragma once

#include <string>
#include <string_view>

#include "win/types.h"

namespace mfc {

enum Mods : unsigned { kNoMods = 0, kShift = 1, kCtrl = 2, kAlt = 4 };
inline Mods operator|(Mods a, Mods b) { return static_cast<Mods>(static_cast<unsigned>(a) | b); }
enum class MouseButton { Left, Right };

using FailureReporter = void (*)(const std::string& message, void* context);
void SetInputFailureReporter(FailureReporter reporter, void* context);
void ReportInputFailure(const std::string& message);  // to the reporter, else standard error

namespace input {

bool Click(HWND wnd, Mods mods = kNoMods);  // left press and release at the centre
bool ClickAt(HWND wnd, POINT clientPt, Mods mods = kNoMods, MouseButton button = MouseButton::Left);
bool DoubleClickAt(HWND wnd, POINT clientPt, Mods mods = kNoMods);
bool RightClickAt(HWND wnd, POINT clientPt, Mods mods = kNoMods);  // press, release, WM_CONTEXTMENU
bool MouseDown(HWND wnd, POINT clientPt, MouseButton button = MouseButton::Left, Mods mods = kNoMods);
bool MouseMove(HWND wnd, POINT clientPt, Mods mods = kNoMods);
bool MouseUp(HWND wnd, POINT clientPt, MouseButton button = MouseButton::Left, Mods mods = kNoMods);
// Press at from, moves in steps, release at to; all queued before the pump so a handler
// that tracks the mouse (CRectTracker) sees the whole drag.
bool Drag(HWND wnd, POINT from, POINT to, Mods mods = kNoMods, MouseButton button = MouseButton::Left,
          int steps = 4);
// Key down and up to the focus window (or target when given, after focusing it).
bool PressKey(UINT vk, Mods mods = kNoMods, HWND target = nullptr);
// Types each character into the window: an edit is clicked first, which puts the caret at
// the end of its text; other windows are focused.
bool TypeText(HWND wnd, std::wstring_view text);
// Focuses an edit, selects all its text and types over it.
bool ReplaceText(HWND wnd, std::wstring_view text);
// Opens the drop-down and picks the item (by index, or the first with exactly this text).
bool PickComboItem(HWND combo, int index);
bool PickComboItem(HWND combo, std::wstring_view text);
bool PickListItem(HWND list, int index, Mods mods = kNoMods);
bool SelectTab(HWND tab, int index);  // a click on the tab
// Opens a check combo's list, clicks the check mark of the item and closes the list again.
bool TickCheckComboItem(HWND combo, int index);
bool TickCheckComboItem(HWND combo, std::wstring_view text);
// A click (or a double click) on a thumbnail of a thumbnail list.
bool PickThumbnail(HWND list, int index, bool doubleClick = false);
bool CloseWindow(HWND wnd);           // the close box of the title bar

}  // namespace input
}  // namespace mfc
