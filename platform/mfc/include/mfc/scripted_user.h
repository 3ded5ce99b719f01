// The scripted user for GoogleTest tests: a UserScript whose failures are test failures
// (and, through mfc/failure_pictures.h, leave pictures of the open dialogs behind).
//   ScriptedUser user;
//   user.onDialog(L"Settings").type(IDC_NAME, L"x").ok();
#pragma once

#include <gtest/gtest.h>

#include "mfc/failure_pictures.h"
#include "mfc/user_script.h"
#include "mfc/window_dump.h"

class ScriptedUser : public mfc::UserScript {
public:
    ScriptedUser() : mfc::UserScript(&ScriptedUser::fail, nullptr) {}

private:
    static void fail(const std::string& message, void*) { ADD_FAILURE() << "scripted user: " << message; }
};

// Readable values in test failure messages.
#include <ostream>

#include "mfc/cstring.h"
#include "mfc/geometry.h"
#include "win/encoding.h"

inline void PrintTo(const CString& s, std::ostream* os) { *os << "L\"" << Utf8FromWide(s.str()) << "\""; }
inline void PrintTo(const CRect& r, std::ostream* os) {
    *os << "[" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "]";
}
inline void PrintTo(const CPoint& p, std::ostream* os) { *os << "(" << p.x << "," << p.y << ")"; }
