// Object identifiers of the drawing database and the transaction they are opened in.
// There is no drawing database here: ids are opaque numbers the host module hands out.
#pragma once

#include <cstdint>

#include "acad/ac_array.h"

class AcDbObjectId {
public:
    AcDbObjectId() = default;
    explicit AcDbObjectId(std::int64_t value) : m_value(value) {}
    static const AcDbObjectId kNull;
    bool isNull() const { return m_value == 0; }
    bool isValid() const { return m_value != 0; }
    void setNull() { m_value = 0; }
    std::int64_t asOldId() const { return m_value; }
    AcDbObjectId& setFromOldId(std::int64_t v) { m_value = v; return *this; }
    bool operator==(const AcDbObjectId& o) const { return m_value == o.m_value; }
    bool operator!=(const AcDbObjectId& o) const { return m_value != o.m_value; }
    bool operator<(const AcDbObjectId& o) const { return m_value < o.m_value; }

private:
    std::int64_t m_value = 0;
};
inline const AcDbObjectId AcDbObjectId::kNull{};

using AcDbObjectIdArray = AcArray<AcDbObjectId>;

// A transaction: passed through unchanged by the module; counts what is opened in it.
class AcTransaction {
public:
    AcTransaction() = default;
    virtual ~AcTransaction() = default;
    int id() const { return m_id; }
    void setId(int id) { m_id = id; }
    int openedCount() const { return m_opened; }
    void noteOpened() { ++m_opened; }

private:
    int m_id = 0;
    int m_opened = 0;
};
