// Window and thread timers on a virtual clock that only moves when told to.
// Window timers post WM_TIMER to their window (or call their TIMERPROC); thread timers
// (null window) call their TIMERPROC with the timer id. Nothing fires until
// win::AdvanceVirtualTime, which moves the clock from due time to due time, fires what is
// due and pumps the message queue after each step.
#pragma once

#include "win/types.h"

using TIMERPROC = void (*)(HWND hwnd, UINT msg, UINT_PTR idEvent, DWORD time);

// Returns the timer id: nIDEvent for a window timer, a fresh non-zero id for a thread timer
// (or the given one when it names an existing thread timer, which is then reset); 0 on error.
UINT_PTR SetTimer(HWND hwnd, UINT_PTR nIDEvent, UINT elapseMs, TIMERPROC proc);
BOOL KillTimer(HWND hwnd, UINT_PTR idEvent);
DWORD GetTickCount();  // the virtual clock

namespace win {

DWORD VirtualNow();                       // milliseconds since the clock was last reset
void AdvanceVirtualTime(DWORD ms);        // fires timers falling due, in due-time order
int ActiveTimerCount();
void ResetTimers();                       // kills every timer and sets the clock to 0

}  // namespace win
