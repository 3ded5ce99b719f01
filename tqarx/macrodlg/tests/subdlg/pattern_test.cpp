// The bolt pattern dialog: one or two directions, the alternation buttons and the keep
// item of the choices, every change handed to the owning page at once.
#include "macrodlg/dlg_macro_pattern.h"

#include "res/macrosub_ids.h"
#include "spread/ss_api.h"
#include "subdlg_test_support.h"
#include "win/messages.h"

namespace {

MacroPatternProps twoDirections() {
    MacroPatternProps p;
    p.name = Zk_String(L"P1");
    p.type = kMacroPatternTwoDir;
    p.dir1.spacing = Zk_String(L"100");
    p.dir1.useSpacing = 1;
    p.dir1.entries = Zk_StringArray{L"100", L"100"};
    p.dir2.choice = -1;
    p.dir2.entries = Zk_StringArray{L"80"};
    p.alternateA = 1;
    p.alternateB = 1;
    p.alternateC = 0;
    return p;
}

class Pattern : public SubDialogTest {
protected:
    ScriptedUser user;
    RecordingPageOwner owner;
};

TEST_F(Pattern, OneDirectionDisablesTheSecondHalfAndTheAlternation) {
    MacroPatternProps p = twoDirections();
    p.type = kMacroPatternOneDir;
    CDlgMacroPattern dlg(&owner, 3, p);
    user.onDialog(IDD_MACRO_PATTERN)
        .then([](CDialog& d) {
            for (int id : {IDC_PT_SPACING2, IDC_PT_EDGE2, IDC_PT_CHOICE2, IDC_PT_USE_SPACING2, IDC_PT_OPTION2})
                EXPECT_FALSE(enabled(d, id)) << id;
            for (int i = 0; i < IDC_PT_ALTERNATION_COUNT; ++i) EXPECT_FALSE(enabled(d, IDC_PT_ALTERNATION_FIRST + i));
            EXPECT_TRUE(enabled(d, IDC_PT_SPACING1));
            EXPECT_TRUE(enabled(d, IDC_PT_CHOICE1));
        })
        .pickCombo(IDC_PT_CHOICE1, 1)
        .ok();
    EXPECT_EQ(dlg.DoModal(), IDOK);
    ASSERT_EQ(owner.patterns.size(), 2u);  // the choice, then OK
    EXPECT_EQ(owner.patternIndexes[0], 3);
    EXPECT_EQ(owner.patterns[0].dir1.choice, 1);
    EXPECT_EQ(owner.patterns[0].dir2, p.dir2);  // the second direction is not read
    EXPECT_EQ(owner.patterns[0].alternateB, 1);
}

TEST_F(Pattern, TheAlternationButtonsEncodeThreeFlags) {
    int a = 0, b = 0, c = 0;
    const int expected[5][3] = {{0, 0, 0}, {1, 1, 1}, {1, 0, 0}, {1, 0, 1}, {1, 1, 0}};
    for (int button = 0; button < 5; ++button) {
        CDlgMacroPattern::alternationFlags(button, a, b, c);
        EXPECT_EQ(a, expected[button][0]);
        EXPECT_EQ(b, expected[button][1]);
        EXPECT_EQ(c, expected[button][2]);
        EXPECT_EQ(CDlgMacroPattern::alternationButton(a, b, c), button);
    }
    EXPECT_EQ(CDlgMacroPattern::alternationButton(0, 1, 1), 0);  // without a, b and c do not count
    EXPECT_EQ(CDlgMacroPattern::alternationButton(1, -1, 0), -1);

    MacroPatternProps p = twoDirections();
    p.alternateC = -1;  // mixed: no button
    CDlgMacroPattern dlg(&owner, 0, p);
    user.onDialog(IDD_MACRO_PATTERN)
        .then([](CDialog& d) {
            for (int i = 0; i < 5; ++i) EXPECT_EQ(d.IsDlgButtonChecked(IDC_PT_ALTERNATION_FIRST + i), 0u);
        })
        .key(VK_RETURN)
        .click(IDC_PT_ALTERNATION_FIRST + 3)
        .then([](CDialog& d) {
            for (int i = 0; i < 5; ++i)
                EXPECT_EQ(d.IsDlgButtonChecked(IDC_PT_ALTERNATION_FIRST + i), i == 3 ? 1u : 0u) << i;
        })
        .cancel();
    dlg.DoModal();
    ASSERT_EQ(owner.patterns.size(), 2u);
    EXPECT_EQ(owner.patterns[0].alternateA, -1);
    EXPECT_EQ(owner.patterns[0].alternateC, -1);
    EXPECT_EQ(owner.patterns[1].alternateA, 1);
    EXPECT_EQ(owner.patterns[1].alternateB, 0);
    EXPECT_EQ(owner.patterns[1].alternateC, 1);
}

TEST_F(Pattern, CancelKeepsWhatWasAppliedAndTheKeepItemStandsForMinusOne) {
    CDlgMacroPattern dlg(&owner, 1, twoDirections());
    user.onDialog(IDD_MACRO_PATTERN)
        .then([](CDialog& d) {
            EXPECT_EQ(combo(d, IDC_PT_CHOICE2).GetCurSel(), 3);
            EXPECT_TRUE(enabled(d, IDC_PT_SPACING1));   // spacing in use
            EXPECT_FALSE(enabled(d, IDC_PT_SPACING2));
        })
        .click(IDC_PT_USE_SPACING2)
        .then([](CDialog& d) {
            EXPECT_TRUE(enabled(d, IDC_PT_SPACING2));
            SSUserTypeText(d.GetDlgItem(IDC_PT_GRID1)->GetSafeHwnd(), 1, 2, L"120");
        })
        .replaceText(IDC_PT_SPACING2, L"75")
        .key(VK_RETURN)
        .click(IDC_PT_STAGGER)
        .cancel();
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    ASSERT_EQ(owner.patterns.size(), 3u);
    const MacroPatternProps& last = owner.patterns.back();
    EXPECT_EQ(last.dir2.useSpacing, 1);
    EXPECT_EQ(last.dir2.spacing, L"75");
    EXPECT_EQ(last.dir2.choice, -1);
    EXPECT_EQ(last.dir1.entries, Zk_StringArray({L"100", L"120"}));
    EXPECT_EQ(last.staggered, 1);
    // Cancelling sends nothing back: what was applied stays applied.
    EXPECT_EQ(dlg.pattern(), last);
}

}  // namespace
