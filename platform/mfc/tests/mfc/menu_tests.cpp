// Pop-up menus: nested sub-menus, check and radio marks, greyed items and separators, the
// command identifiers TrackPopupMenu returns or sends, and the scripted user's choices.
#include "mfc/scripted_user.h"
#include "test_dialog.h"

namespace {

constexpr UINT ID_COPY = 32811, ID_PASTE = 32812, ID_ROW_ABOVE = 32816, ID_ROW_BELOW = 32817, ID_SMALL = 32800,
               ID_LARGE = 32801, ID_DEEP = 32802, ID_DELETE = 32818;

// Copy | Paste (greyed) | --- | Insert > [Row above, Row below, Size > [Small, Large (radio), More > [Deep]]] |
// Delete (checked)
struct EditMenu {
    CMenu root, insert, size, more;
    EditMenu() {
        root.CreatePopupMenu();
        insert.CreatePopupMenu();
        size.CreatePopupMenu();
        more.CreatePopupMenu();
        more.AppendMenu(MF_STRING, ID_DEEP, L"Deep");
        size.AppendMenu(MF_STRING, ID_SMALL, L"&Small");
        size.AppendMenu(MF_STRING, ID_LARGE, L"&Large");
        size.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(more.Detach()), L"More");
        size.CheckMenuRadioItem(ID_SMALL, ID_LARGE, ID_LARGE, MF_BYCOMMAND);
        insert.AppendMenu(MF_STRING, ID_ROW_ABOVE, L"Row &above\tCtrl+U");
        insert.AppendMenu(MF_STRING, ID_ROW_BELOW, L"Row &below");
        insert.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(size.Detach()), L"Size");
        root.AppendMenu(MF_STRING, ID_COPY, L"&Copy");
        root.AppendMenu(MF_STRING | MF_GRAYED, ID_PASTE, L"&Paste");
        root.AppendMenu(MF_SEPARATOR);
        root.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(insert.Detach()), L"&Insert");
        root.AppendMenu(MF_STRING | MF_CHECKED, ID_DELETE, L"Delete");
    }
    UINT track(CWnd* owner) { return static_cast<UINT>(root.TrackPopupMenu(TPM_RETURNCMD | TPM_RIGHTBUTTON, 10, 10, owner)); }
};

std::vector<std::string>* gFailures = nullptr;
void Collect(const std::string& m, void*) { gFailures->push_back(m); }

TEST_F(MfcTest, AMenuTreeKeepsItsItemsMarksAndIdentifiers) {
    EditMenu m;
    ASSERT_EQ(m.root.GetMenuItemCount(), 5);
    EXPECT_EQ(m.root.GetMenuItemID(0), ID_COPY);
    EXPECT_EQ(m.root.GetMenuItemID(3), static_cast<UINT>(-1)) << "a sub-menu has no command";
    EXPECT_TRUE(m.root.GetMenuState(2, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_TRUE(m.root.GetMenuState(ID_PASTE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(m.root.GetMenuState(ID_DELETE, MF_BYCOMMAND) & MF_CHECKED);
    // Commands are found through the sub-menus.
    UINT large = m.root.GetMenuState(ID_LARGE, MF_BYCOMMAND);
    EXPECT_TRUE(large & MF_CHECKED);
    EXPECT_TRUE(large & MFT_RADIOCHECK);
    EXPECT_FALSE(m.root.GetMenuState(ID_SMALL, MF_BYCOMMAND) & MF_CHECKED);
    CString text;
    m.root.GetMenuString(ID_DEEP, text, MF_BYCOMMAND);
    EXPECT_EQ(text, L"Deep");
    CMenu* insert = m.root.GetSubMenu(3);
    ASSERT_NE(insert, nullptr);
    EXPECT_EQ(insert->GetMenuItemID(1), ID_ROW_BELOW);
    m.root.CheckMenuRadioItem(ID_SMALL, ID_LARGE, ID_SMALL, MF_BYCOMMAND);
    EXPECT_TRUE(m.root.GetMenuState(ID_SMALL, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(m.root.GetMenuState(ID_LARGE, MF_BYCOMMAND) & MF_CHECKED) << "one radio mark per range";
    m.root.EnableMenuItem(ID_PASTE, MF_ENABLED);
    EXPECT_FALSE(m.root.GetMenuState(ID_PASTE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(m.root.GetMenuState(4711, MF_BYCOMMAND), static_cast<UINT>(-1));
}

TEST_F(MfcTest, TheScriptedUserChoosesByIdTextOrPathThroughSubMenus) {
    CWnd owner;
    owner.CreateEx(0, WC_DIALOG, L"owner", WS_POPUP | WS_VISIBLE, CRect(0, 0, 100, 100), nullptr, 0);
    EditMenu m;
    ScriptedUser user;
    user.pickMenuItem(ID_COPY);
    user.pickMenuItem(L"Row above");  // found inside a sub-menu, '&' and accelerator aside
    user.pickMenuPath({L"Insert", L"Size", L"More", L"Deep"});
    user.pickMenuPath({L"&Insert", L"Size", L"Large"});
    user.pickMenuItem(0);  // dismissed
    EXPECT_EQ(m.track(&owner), ID_COPY);
    EXPECT_EQ(m.track(&owner), ID_ROW_ABOVE);
    EXPECT_EQ(m.track(&owner), ID_DEEP);
    EXPECT_EQ(m.track(&owner), ID_LARGE);
    EXPECT_EQ(m.track(&owner), 0u);
    EXPECT_TRUE(user.pending().empty());
}

TEST_F(MfcTest, WithoutReturnCmdTheChosenCommandReachesTheOwnerAsWmCommand) {
    struct COwner : CWnd {
        std::vector<UINT> commands;
        int initPopups = 0;
        BOOL OnCommand(WPARAM w, LPARAM) override {
            commands.push_back(LOWORD(static_cast<UINT_PTR>(w)));
            return TRUE;
        }
        LRESULT WindowProc(UINT msg, WPARAM w, LPARAM l) override {
            if (msg == WM_INITMENUPOPUP) ++initPopups;
            return CWnd::WindowProc(msg, w, l);
        }
    } owner;
    owner.CreateEx(0, WC_DIALOG, L"owner", WS_POPUP | WS_VISIBLE, CRect(0, 0, 100, 100), nullptr, 0);
    EditMenu m;
    ScriptedUser user;
    user.pickMenuItem(L"Row below");
    EXPECT_TRUE(m.root.TrackPopupMenu(TPM_LEFTALIGN, 5, 5, &owner));
    win::PumpMessages();
    EXPECT_EQ(owner.commands, (std::vector<UINT>{ID_ROW_BELOW}));
    EXPECT_EQ(owner.initPopups, 1) << "the owner may prepare the menu first";
}

TEST_F(MfcTest, GreyedItemsMissingItemsAndSeparatorsCannotBeChosen) {
    std::vector<std::string> failures;
    gFailures = &failures;
    CWnd owner;
    owner.CreateEx(0, WC_DIALOG, L"owner", WS_POPUP | WS_VISIBLE, CRect(0, 0, 100, 100), nullptr, 0);
    {
        mfc::UserScript user(&Collect, nullptr);
        EditMenu m;
        user.pickMenuItem(L"Paste");
        user.pickMenuPath({L"Insert", L"Rows"});
        user.pickMenuPath({L"Copy", L"Deep"});  // Copy is no sub-menu
        user.pickMenuItem(ID_PASTE);
        EXPECT_EQ(m.track(&owner), 0u);
        EXPECT_EQ(m.track(&owner), 0u);
        EXPECT_EQ(m.track(&owner), 0u);
        EXPECT_EQ(m.track(&owner), 0u);
        EXPECT_EQ(m.track(&owner), 0u);  // nobody expected a fifth menu
        user.pickMenuItem(L"Never shown");
    }
    gFailures = nullptr;
    ASSERT_EQ(failures.size(), 6u);
    EXPECT_NE(failures[0].find("\"Paste\" is greyed"), std::string::npos) << failures[0];
    EXPECT_NE(failures[1].find("no item \"Rows\" (items: \"Row &above\tCtrl+U\", \"Row &below\", \"Size\""),
              std::string::npos)
        << failures[1];
    EXPECT_NE(failures[2].find("no sub-menu \"Copy\""), std::string::npos) << failures[2];
    EXPECT_NE(failures[3].find("is greyed"), std::string::npos) << failures[3];
    EXPECT_NE(failures[4].find("unexpected pop-up menu"), std::string::npos) << failures[4];
    EXPECT_NE(failures[5].find("expected but never shown: pop-up menu choice \"Never shown\""), std::string::npos)
        << failures[5];
}

TEST_F(MfcTest, RemovingASubMenuDestroysItButRemoveMenuKeepsIt) {
    EditMenu m;
    HMENU insert = ::GetSubMenu(m.root, 3);
    ASSERT_TRUE(::IsMenu(insert));
    HMENU size = ::GetSubMenu(insert, 2);
    EXPECT_TRUE(m.root.RemoveMenu(2, MF_BYPOSITION));  // the separator
    EXPECT_EQ(::GetSubMenu(m.root, 2), insert);
    EXPECT_TRUE(m.root.DeleteMenu(2, MF_BYPOSITION));
    EXPECT_FALSE(::IsMenu(insert));
    EXPECT_FALSE(::IsMenu(size)) << "nested sub-menus go with it";
    EXPECT_EQ(m.root.GetMenuState(ID_DEEP, MF_BYCOMMAND), static_cast<UINT>(-1));
}

}  // namespace
