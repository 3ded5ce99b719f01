// The resources of the module: dialog templates, bitmaps and icons, registered for the
// module's instance at process attach so that dialogs created while the resource handle
// points at the module find them.
#pragma once

#include "win/types.h"

// The two pictures of check-box cells in the spreadsheets.
constexpr UINT IDB_TQ_CHECKBOX_ON = 8134;
constexpr UINT IDB_TQ_CHECKBOX_OFF = 8136;

// Registers every resource of the module for module (again: replaces them).
void tqRegisterResources(HINSTANCE module);
