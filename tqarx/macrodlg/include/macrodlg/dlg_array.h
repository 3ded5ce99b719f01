// CDlgArray: one dynamic array of a macro, on dialog resource 236. On OK arrayData()
// holds the edited record, to be copied back by the caller.
//
// The type combo lists the four array types and the keep item (-1); the type decides
// which dimension lists are offered and which controls are shown. The grid lists the
// entries: a check box, the entry's name and its number.
#pragma once

#include <memory>

#include "acad/db_object_id.h"
#include "host/macro_array_records.h"
#include "host/zk_string.h"
#include "mfc/cdialog.h"

class Zk_Spread;

class CDlgArray : public CDialog {
public:
    enum { IDD = 236 };

    CDlgArray(const DynArrayData& data, const AcDbObjectIdArray& objectIds, const Zk_String& name,
              CWnd* parent = nullptr);
    ~CDlgArray() override;

    const DynArrayData& arrayData() const { return m_data; }

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    // Grid columns.
    static constexpr int kCheckCol = 1;
    static constexpr int kNameCol = 2;
    static constexpr int kValueCol = 3;

private:
    void setTexts();
    void fillControls();
    void fillGrid();
    void applyType();
    void storeControls();
    void storeGrid();
    int shownType() const;
    void ensureActiveCell();
    void markActiveEntry();

    DynArrayData m_data;
    AcDbObjectIdArray m_objectIds;
    Zk_String m_name;
    std::unique_ptr<Zk_Spread> m_grid;
};
