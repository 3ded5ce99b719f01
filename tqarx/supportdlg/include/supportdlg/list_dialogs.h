// The modelling support dialogs that choose from or edit a list: levels, look-up table,
// image selection, DSTV marking-points file, filtered open/save and the string grid.
// Each holds a copy of its record; OK ends with IDOK once the choice is complete, else a
// message says what is missing and the dialog stays.
#pragma once

#include "host/dialog_records.h"
#include "mfc/cdialog.h"

class CListBox;

// Levels: a list of "name = height" lines; Add appends the name and height of the two
// fields, Set replaces the selected level with them, Remove deletes it.
class CDlgLevels : public CDialog {
public:
    explicit CDlgLevels(CWnd* parent = nullptr);
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    KmLevelsDlgData m_data;

private:
    void refill(int select);
    bool readFields(Zk_String& name, double& height);
};

// Look-up table: one line per row, the fields joined by " | "; OK needs a row.
class CDlgLookup : public CDialog {
public:
    explicit CDlgLookup(CWnd* parent = nullptr);
    BOOL OnInitDialog() override;
    void OnOK() override;
    KmLookUpDlgData m_data;
};

// Image selection: the given names, else the "*.bmp" files of the folder; the chosen
// image comes back as a full path when a folder is given. OK needs a choice.
class CDlgSelectImage : public CDialog {
public:
    explicit CDlgSelectImage(CWnd* parent = nullptr);
    BOOL OnInitDialog() override;
    void OnOK() override;
    KmSelectImageDlgData m_data;

private:
    Zk_StringArray m_shown;
};

// The DSTV marking-points file: the "*.txt" files of the folder, the chosen one in the
// name field (which may also be typed); OK needs an existing file.
class CDlgSelectDstvPointsFile : public CDialog {
public:
    explicit CDlgSelectDstvPointsFile(CWnd* parent = nullptr);
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    Zk_String m_folder;    // where the files are listed from
    Zk_String m_fileName;  // in: the previous choice; out: the full path chosen
};

// Filtered open/save: the offered files, a name field filled by choosing one. Open needs
// one of the offered files; save needs a valid file name (the extension is added) and
// asks before replacing an offered file.
class CDlgOpenSave : public CDialog {
public:
    explicit CDlgOpenSave(CWnd* parent = nullptr);
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    KmOpenSaveDlgData m_data;

private:
    Zk_StringArray m_shown;  // file names shown (without folder)
};

// A grid of strings: column titles, one line per row (fields joined by " | "). Choosing
// a row puts its fields, joined by ";", into the edit field; Set writes them back, Add
// appends a row of the default values, Remove deletes the chosen row (Add and Remove
// only when rows may be added). The window size is kept under the dialog name.
class CDlgStringArray : public CDialog {
public:
    explicit CDlgStringArray(CWnd* parent = nullptr);
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnDestroy() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    Zk_StringArray m_columns;
    Zk_StringArray m_defaults;  // values of a new row, by column
    Zk_Array<Zk_StringArray> m_rows;
    bool m_canAddRows = true;
    Zk_String m_dlgName = L"DLG_TQ_STRINGARRAY";
    Zk_String m_caption;

private:
    void refill(int select);
    Zk_StringArray fitToColumns(Zk_StringArray row) const;
};

// "a | b | c" for a row.
Zk_String joinRowForList(const Zk_StringArray& row);
