// CDlgMacroPattern: one bolt pattern, on dialog resource 222. Works live: every change
// goes to the owning page, which applies it.
#pragma once

#include <memory>

#include "host/macro_bolt_records.h"
#include "macrodlg/macro_page_owner.h"
#include "mfc/cdialog.h"

class Zk_Spread;

class CDlgMacroPattern : public CDialog {
public:
    enum { IDD = 222 };

    CDlgMacroPattern(MacroPageOwner* owner, int index, const MacroPatternProps& pattern, CWnd* parent = nullptr);
    ~CDlgMacroPattern() override;

    const MacroPatternProps& pattern() const { return m_pattern; }

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    void OnOK() override;

    // The alternation button (0 to 4) the flags a, b, c choose; -1 for mixed flags.
    static int alternationButton(int a, int b, int c);
    // The flags a button (0 to 4) stands for; -1 for none.
    static void alternationFlags(int button, int& a, int& b, int& c);

    // The controls of one direction.
    struct Half;

private:
    void fill();
    void fillHalf(const Half& half, const MacroPatternDirection& dir, Zk_Spread& grid);
    void readHalf(const Half& half, MacroPatternDirection& dir, const Zk_Spread& grid);
    void readBack();
    // Reads every control into the copy and hands it to the owner.
    void apply();

    MacroPageOwner* m_owner = nullptr;
    int m_index = 0;
    MacroPatternProps m_pattern;
    std::unique_ptr<Zk_Spread> m_grid1;
    std::unique_ptr<Zk_Spread> m_grid2;
};
