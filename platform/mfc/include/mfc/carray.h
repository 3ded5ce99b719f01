// CArray and the pointer and string arrays built on it.
#pragma once

#include <algorithm>
#include <utility>
#include <vector>

#include "mfc/cstring.h"

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray {
public:
    CArray() = default;
    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_data.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }
    bool IsEmpty() const { return m_data.empty(); }
    void SetSize(INT_PTR newSize, INT_PTR growBy = -1) {
        if (growBy >= 0) m_growBy = growBy;
        m_data.resize(static_cast<std::size_t>(newSize < 0 ? 0 : newSize));
    }
    void RemoveAll() { m_data.clear(); }
    const TYPE& GetAt(INT_PTR i) const { return m_data.at(static_cast<std::size_t>(i)); }
    TYPE& ElementAt(INT_PTR i) { return m_data.at(static_cast<std::size_t>(i)); }
    void SetAt(INT_PTR i, ARG_TYPE v) { m_data.at(static_cast<std::size_t>(i)) = v; }
    // Grows the array when i is past the end.
    void SetAtGrow(INT_PTR i, ARG_TYPE v) {
        if (i < 0) return;
        if (static_cast<std::size_t>(i) >= m_data.size()) m_data.resize(static_cast<std::size_t>(i) + 1);
        m_data[static_cast<std::size_t>(i)] = v;
    }
    INT_PTR Add(ARG_TYPE v) { m_data.push_back(v); return GetSize() - 1; }
    INT_PTR Append(const CArray& o) {
        INT_PTR old = GetSize();
        m_data.insert(m_data.end(), o.m_data.begin(), o.m_data.end());
        return old;
    }
    void Copy(const CArray& o) { m_data = o.m_data; }
    // An index past the end grows the array first, as the framework does.
    void InsertAt(INT_PTR i, ARG_TYPE v, INT_PTR count = 1) {
        if (i < 0 || count <= 0) return;
        if (static_cast<std::size_t>(i) > m_data.size()) m_data.resize(static_cast<std::size_t>(i));
        m_data.insert(m_data.begin() + i, static_cast<std::size_t>(count), v);
    }
    void RemoveAt(INT_PTR i, INT_PTR count = 1) {
        if (i < 0 || count <= 0 || static_cast<std::size_t>(i) >= m_data.size()) return;
        auto last = std::min<std::size_t>(m_data.size(), static_cast<std::size_t>(i + count));
        m_data.erase(m_data.begin() + i, m_data.begin() + static_cast<std::ptrdiff_t>(last));
    }
    TYPE& operator[](INT_PTR i) { return ElementAt(i); }
    const TYPE& operator[](INT_PTR i) const { return GetAt(i); }
    TYPE* GetData() { return m_data.data(); }
    const TYPE* GetData() const { return m_data.data(); }
    INT_PTR growBy() const { return m_growBy; }
    auto begin() { return m_data.begin(); }
    auto end() { return m_data.end(); }
    auto begin() const { return m_data.begin(); }
    auto end() const { return m_data.end(); }

private:
    std::vector<TYPE> m_data;
    INT_PTR m_growBy = 0;
};

using CStringArray = CArray<CString, const CString&>;
using CPtrArray = CArray<void*, void*>;
using CDWordArray = CArray<DWORD, DWORD>;
using CUIntArray = CArray<UINT, UINT>;
using CByteArray = CArray<BYTE, BYTE>;
