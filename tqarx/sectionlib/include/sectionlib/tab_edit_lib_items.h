// The groups page and the types page of the section library dialog. Both show a list of
// named items (with enabled marks) and the fields of the selected one: enabled, picture
// and user names per language (the types page also group and drawing). Selecting another
// item, and apply(), store the fields of the one shown into the library record.
#pragma once

#include <memory>

#include "host/button_st.h"
#include "host/section_library.h"
#include "mfc/cdialog.h"
#include "mfc/check_combo.h"
#include "res/sectionlib_ids.h"

class LanguageNamesSheet;
class Zk_Spread;
class CComboBox;

class CTabEditLibItems : public CDialog {
public:
    CTabEditLibItems(UINT templateId, DlgEditLibData& data, int comboId);
    ~CTabEditLibItems() override;

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override {}      // Enter and Escape belong to the main dialog
    void OnCancel() override {}

    // Stores the fields shown into the record.
    void apply();
    // The item shown (-1: none).
    int current() const { return m_current; }
    // Shows item index (storing the one shown first).
    void select(int index);
    LanguageNamesSheet& languages() { return *m_languages; }
    // The sheet of user names per language.
    Zk_Spread& languageSheet();

protected:
    virtual int itemCount() const = 0;
    virtual Zk_String itemName(int index) const = 0;
    virtual bool itemEnabled(int index) const = 0;
    virtual void setItemEnabled(int index, bool enabled) = 0;
    virtual void setTexts() = 0;
    // Reads the controls into item index / shows item index in them.
    virtual void storeItem(int index) = 0;
    virtual void showItem(int index) = 0;
    virtual void enableDetails(bool enabled);
    virtual int appendItem() = 0;
    virtual void removeItem(int index) = 0;
    virtual void swapItems(int a, int b) = 0;

    // Rebuilds the name list and shows item select.
    void rebuildList(int select);
    CCheckComboBox* combo() { return &m_combo; }
    void fillPictureCombo();

    DlgEditLibData& m_data;
    int m_comboId;
    int m_current = -1;
    std::unique_ptr<LanguageNamesSheet> m_languages;
    CButtonST m_up, m_down;
    CCheckComboBox m_combo;

private:
    void markToggled();
    void add();
    void remove();
    void move(int step);
};

class CTabEditLibGroups : public CTabEditLibItems {
public:
    enum { IDD = IDD_TAB_LIB_GROUPS };
    explicit CTabEditLibGroups(DlgEditLibData& data);

protected:
    int itemCount() const override;
    Zk_String itemName(int index) const override;
    bool itemEnabled(int index) const override;
    void setItemEnabled(int index, bool enabled) override;
    void setTexts() override;
    void storeItem(int index) override;
    void showItem(int index) override;
    int appendItem() override;
    // Removing or moving a group keeps the types on the groups they were in.
    void removeItem(int index) override;
    void swapItems(int a, int b) override;
};

class CTabEditLibTypes : public CTabEditLibItems {
public:
    enum { IDD = IDD_TAB_LIB_TYPES };
    explicit CTabEditLibTypes(DlgEditLibData& data);

    // When the page is shown (it stored its fields when it was left): rebuilds the group
    // and type lists from the record and refills the drawing list (keeping its text).
    void refresh();

protected:
    int itemCount() const override;
    Zk_String itemName(int index) const override;
    bool itemEnabled(int index) const override;
    void setItemEnabled(int index, bool enabled) override;
    void setTexts() override;
    void storeItem(int index) override;
    void showItem(int index) override;
    void enableDetails(bool enabled) override;
    int appendItem() override;
    void removeItem(int index) override;
    void swapItems(int a, int b) override;

private:
    void fillGroupCombo();
    void fillDrawingCombo();
};
