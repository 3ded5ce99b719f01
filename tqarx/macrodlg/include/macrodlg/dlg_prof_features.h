// CDlgProfFeatures: a few labelled properties of a profile, on dialog resource 241: its
// section, up to four caption/value pairs whose captions the caller gives (a level list
// for the first pair and, when the record says so, the third), and an option check that
// switches the third pair's caption and value between two texts.
#pragma once

#include "host/prof_dialog_records.h"
#include "mfc/cdialog.h"

class CDlgProfFeatures : public CDialog {
public:
    enum { IDD = 241 };

    explicit CDlgProfFeatures(CWnd* parent = nullptr);

    DlgProfFeaturesData m_data;

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    bool hasOption() const { return !m_data.optionCaption.isEmpty(); }
    void fillSections();
    void fillLevels(int comboId, const Zk_String& selected);
    void showPairs();
    void showOptionTexts();
    void editLevels();
    void pickSection();

    Zk_StringArray m_sections;  // system names parallel to the section combo
    int m_shownOption = 0;      // the option state the third pair shows now
};
