// The modelling support dialogs that edit a record field by field: grid, cladding
// settings, CIS/2 information, bracing and cutting-stock optimisation. Each holds a copy
// of its record in m_data; OK checks the fields, writes them into m_data and ends with
// IDOK; a field that does not check shows a message and the dialog stays.
#pragma once

#include "host/dialog_records.h"
#include "mfc/cdialog.h"

class CDlgGrid : public CDialog {
public:
    explicit CDlgGrid(CWnd* parent = nullptr);
    BOOL OnInitDialog() override;
    void OnOK() override;
    KmGridDlgData m_data;
};

class CDlgCladdingSettings : public CDialog {
public:
    explicit CDlgCladdingSettings(CWnd* parent = nullptr);
    BOOL OnInitDialog() override;
    void OnOK() override;
    KmCladdingDlgData m_data;
};

class CDlgCis2 : public CDialog {
public:
    explicit CDlgCis2(CWnd* parent = nullptr);
    BOOL OnInitDialog() override;
    void OnOK() override;
    KmDlgCis2Data m_data;
};

class CDlgBracing : public CDialog {
public:
    explicit CDlgBracing(CWnd* parent = nullptr);
    BOOL OnInitDialog() override;
    void OnOK() override;
    KmBracingDlgData m_data;
};

class Zk_DlgCSP2 : public CDialog {
public:
    explicit Zk_DlgCSP2(CWnd* parent = nullptr);
    BOOL OnInitDialog() override;
    void OnOK() override;
    DlgCSP2Data m_data;
};

// A spacing list: blank-separated positive numbers, each optionally "n*length" (n >= 1
// copies). False for anything else; an empty text is a valid empty list.
bool parseSpacings(const Zk_String& text, Zk_Array<double>& spacings);
