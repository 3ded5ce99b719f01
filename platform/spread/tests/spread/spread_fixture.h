// A parent window recording the control's notifications, and a control inside it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "spread/ss_api.h"
#include "win/window.h"

namespace spread_test {

struct Notification { int id; WORD code; HWND from; };
std::vector<Notification>& Notifications();

HWND MakeParent();
HWND MakeSheet(HWND parent, int id = 100);

class SpreadTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // mode 3 text of a cell
    std::wstring Val(SS_COORD col, SS_COORD row, HWND h = nullptr);
    std::wstring Data(SS_COORD col, SS_COORD row, HWND h = nullptr);
    // Sets a formula and returns its mode 3 text.
    std::wstring Calc(const wchar_t* formula, SS_COORD col = 10, SS_COORD row = 10);
    HWND parent = nullptr;
    HWND ss = nullptr;
};

}  // namespace spread_test
