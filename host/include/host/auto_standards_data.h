// KmAutoStandardsData: the general variables of the automatic standards, edited by the
// general-variables dialog. Drawing variables (name, value, filter) and standard
// variables (name, value, override, filter) are parallel lists, one entry per variable.
// A filter is a list of drawing and folder paths relative to the library's "Macros\"
// folder, joined by ";".
#pragma once

#include "host/zk_array.h"
#include "host/zk_string.h"

class KmAutoStandardsData {
public:
    KmAutoStandardsData() = default;
    KmAutoStandardsData(const KmAutoStandardsData&) = default;
    KmAutoStandardsData& operator=(const KmAutoStandardsData&) = default;
    virtual ~KmAutoStandardsData() = default;

    Zk_StringArray& dwgGenVars() { return m_dwgGenVars; }
    Zk_StringArray& dwgGenValues() { return m_dwgGenValues; }
    Zk_StringArray& dwgGenFilters() { return m_dwgGenFilters; }
    Zk_StringArray& stdGenVars() { return m_stdGenVars; }
    Zk_StringArray& stdGenValues() { return m_stdGenValues; }
    Zk_StringArray& stdGenOverrides() { return m_stdGenOverrides; }
    Zk_StringArray& stdGenFilters() { return m_stdGenFilters; }
    const Zk_StringArray& dwgGenVars() const { return m_dwgGenVars; }
    const Zk_StringArray& dwgGenValues() const { return m_dwgGenValues; }
    const Zk_StringArray& dwgGenFilters() const { return m_dwgGenFilters; }
    const Zk_StringArray& stdGenVars() const { return m_stdGenVars; }
    const Zk_StringArray& stdGenValues() const { return m_stdGenValues; }
    const Zk_StringArray& stdGenOverrides() const { return m_stdGenOverrides; }
    const Zk_StringArray& stdGenFilters() const { return m_stdGenFilters; }

    // Appends one variable to each list of its kind.
    void addDwgGenVar(const Zk_String& name, const Zk_String& value, const Zk_String& filter);
    void addStdGenVar(const Zk_String& name, const Zk_String& value, const Zk_String& override_,
                      const Zk_String& filter);

    friend bool operator==(const KmAutoStandardsData&, const KmAutoStandardsData&) = default;

private:
    Zk_StringArray m_dwgGenVars;
    Zk_StringArray m_dwgGenValues;
    Zk_StringArray m_dwgGenFilters;
    Zk_StringArray m_stdGenVars;
    Zk_StringArray m_stdGenValues;
    Zk_StringArray m_stdGenOverrides;
    Zk_StringArray m_stdGenFilters;
};
