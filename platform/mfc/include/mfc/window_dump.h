// A readable text dump of a window tree, one window per line, children indented:
//   Button #1 "OK" [10,20,85,43] visible enabled
//   Button #1001 "Auto calculate" [..] visible enabled checked=1
//   ComboBox #1002 "" [..] visible enabled sel=0 items=["A","B"]
#pragma once

#include <string>

#include "win/types.h"

namespace mfc {
std::wstring DumpWindowTree(HWND root);
std::string DumpWindowTreeUtf8(HWND root);
}  // namespace mfc
