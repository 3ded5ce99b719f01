// CDlgArray: one dynamic array of a macro, on dialog resource 236. On OK arrayData()
// holds the edited record, to be copied back by the caller.
#pragma once

#include "acad/db_object_id.h"
#include "host/macro_array_records.h"
#include "host/zk_string.h"
#include "mfc/cdialog.h"

class CDlgArray : public CDialog {
public:
    enum { IDD = 236 };

    CDlgArray(const DynArrayData& data, const AcDbObjectIdArray& objectIds, const Zk_String& name,
              CWnd* parent = nullptr);

    const DynArrayData& arrayData() const { return m_data; }

private:
    DynArrayData m_data;
    AcDbObjectIdArray m_objectIds;
    Zk_String m_name;
};
