// The resources of the module: dialog templates, bitmaps and icons, registered for the
// module's instance at process attach so that dialogs created while the resource handle
// points at the module find them.
#pragma once

#include "win/types.h"

// The two pictures of check-box cells in the spreadsheets: 8134 unchecked, 8136 checked
// (the order in which the grid hands them to the control).
constexpr UINT IDB_TQ_CHECKBOX_OFF = 8134;
constexpr UINT IDB_TQ_CHECKBOX_ON = 8136;

// Registers every resource of the module for module (again: replaces them).
void tqRegisterResources(HINSTANCE module);
