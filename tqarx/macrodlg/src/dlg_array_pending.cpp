// The array dialog opens as an empty dialog of its resource until its window is built.
#include "macrodlg/dlg_array.h"

CDlgArray::CDlgArray(const DynArrayData& data, const AcDbObjectIdArray& objectIds, const Zk_String& name,
                     CWnd* parent)
    : CDialog(IDD, parent), m_data(data), m_objectIds(objectIds), m_name(name) {}
