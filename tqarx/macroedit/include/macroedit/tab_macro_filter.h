// The two filter pages of the macro settings dialog.
//
// CTabMacroFilter: the use-filters check box, the axis-angle filters (a choice of two
// options and a lower and an upper value each) and the section-angle filters (pairs of
// numbers in a grid; only rows with a number other than 0 are kept).
// CTabMacroFilter2: the use check box, the path-distance filters (two values each) and
// the section-size filters (four values each).
#pragma once

#include <functional>
#include <memory>

#include "engine/zk_spread.h"
#include "host/button_st.h"
#include "host/macro_settings_data.h"
#include "macroedit/tab_macro_page.h"
#include "res/macrosettings_ids.h"

class FilterPicker;

class CTabMacroFilter : public CTabMacroPage {
public:
    enum { IDD = IDD_TAB_MACRO_FILTER };

    // data may be null: the page then shows nothing.
    explicit CTabMacroFilter(MacroFilterData* data);
    ~CTabMacroFilter() override;

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnCancel() override;
    void apply() override;

    // Escape on this page cancels the settings dialog through this.
    std::function<void()> onEscape;
    Zk_Spread& pairsGrid() { return m_grid; }

private:
    void setTexts();
    void showPairs(const Zk_Array<double>& numbers);
    Zk_Array<double> readPairs() const;

    MacroFilterData* m_data;
    std::unique_ptr<FilterPicker> m_axis;
    std::unique_ptr<FilterPicker> m_section;
    Zk_Spread m_grid;
    CButtonST m_add, m_remove, m_picture90, m_picture180, m_pictureSection;
    bool m_ready = false;
};

class CTabMacroFilter2 : public CTabMacroPage {
public:
    enum { IDD = IDD_TAB_MACRO_FILTER2 };

    explicit CTabMacroFilter2(MacroFilter2Data* data);
    ~CTabMacroFilter2() override;

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void apply() override;

private:
    MacroFilter2Data* m_data;
    std::unique_ptr<FilterPicker> m_paths;
    std::unique_ptr<FilterPicker> m_sizes;
    CButtonST m_pathPicture, m_sizePicture;
    bool m_ready = false;
};
