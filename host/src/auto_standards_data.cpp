#include "host/auto_standards_data.h"

void KmAutoStandardsData::addDwgGenVar(const Zk_String& name, const Zk_String& value,
                                       const Zk_String& filter) {
    m_dwgGenVars.append(name);
    m_dwgGenValues.append(value);
    m_dwgGenFilters.append(filter);
}

void KmAutoStandardsData::addStdGenVar(const Zk_String& name, const Zk_String& value,
                                       const Zk_String& override_, const Zk_String& filter) {
    m_stdGenVars.append(name);
    m_stdGenValues.append(value);
    m_stdGenOverrides.append(override_);
    m_stdGenFilters.append(filter);
}
