// AcArray<T>: the CAD host's growable array (index from 0).
#pragma once

#include <algorithm>
#include <initializer_list>
#include <vector>

template <class T>
class AcArray {
public:
    AcArray() = default;
    explicit AcArray(int physicalLength, int growLength = 8) : m_grow(growLength) {
        if (physicalLength > 0) m_data.reserve(static_cast<std::size_t>(physicalLength));
    }
    AcArray(std::initializer_list<T> items) : m_data(items) {}

    int length() const { return static_cast<int>(m_data.size()); }
    int logicalLength() const { return length(); }
    int physicalLength() const { return static_cast<int>(m_data.capacity()); }
    bool isEmpty() const { return m_data.empty(); }
    int growLength() const { return m_grow; }
    AcArray& setGrowLength(int n) { m_grow = n; return *this; }
    AcArray& setLogicalLength(int n) { m_data.resize(static_cast<std::size_t>(n < 0 ? 0 : n)); return *this; }
    AcArray& setPhysicalLength(int n) {
        if (n < length()) m_data.resize(static_cast<std::size_t>(n < 0 ? 0 : n));
        m_data.reserve(static_cast<std::size_t>(n < 0 ? 0 : n));
        return *this;
    }
    int append(const T& v) { m_data.push_back(v); return length() - 1; }
    AcArray& append(const AcArray& o) { m_data.insert(m_data.end(), o.m_data.begin(), o.m_data.end()); return *this; }
    // An index outside 0..length() changes nothing.
    AcArray& insertAt(int i, const T& v) {
        if (i >= 0 && i <= length()) m_data.insert(m_data.begin() + i, v);
        return *this;
    }
    AcArray& removeAt(int i) {
        if (i >= 0 && i < length()) m_data.erase(m_data.begin() + i);
        return *this;
    }
    AcArray& removeFirst() { return removeAt(0); }
    AcArray& removeLast() { return removeAt(length() - 1); }
    bool remove(const T& v, int start = 0) {
        int i = 0;
        if (!find(v, i, start)) return false;
        removeAt(i);
        return true;
    }
    AcArray& removeAll() { m_data.clear(); return *this; }
    AcArray& setAll(const T& v) { std::fill(m_data.begin(), m_data.end(), v); return *this; }
    bool contains(const T& v, int start = 0) const { int i = 0; return find(v, i, start); }
    bool find(const T& v, int& index, int start = 0) const {
        for (int i = start < 0 ? 0 : start; i < length(); ++i) {
            if (m_data[static_cast<std::size_t>(i)] == v) { index = i; return true; }
        }
        return false;
    }
    int find(const T& v) const { int i = -1; find(v, i, 0); return i; }
    AcArray& reverse() { std::reverse(m_data.begin(), m_data.end()); return *this; }
    AcArray& swap(int a, int b) { std::swap(at(a), at(b)); return *this; }

    T& at(int i) { return m_data.at(static_cast<std::size_t>(i)); }
    const T& at(int i) const { return m_data.at(static_cast<std::size_t>(i)); }
    T& operator[](int i) { return at(i); }
    const T& operator[](int i) const { return at(i); }
    T& first() { return at(0); }
    T& last() { return at(length() - 1); }
    const T& first() const { return at(0); }
    const T& last() const { return at(length() - 1); }
    T* asArrayPtr() { return m_data.data(); }
    const T* asArrayPtr() const { return m_data.data(); }
    bool operator==(const AcArray& o) const { return m_data == o.m_data; }
    bool operator!=(const AcArray& o) const { return m_data != o.m_data; }
    auto begin() { return m_data.begin(); }
    auto end() { return m_data.end(); }
    auto begin() const { return m_data.begin(); }
    auto end() const { return m_data.end(); }

private:
    std::vector<T> m_data;
    int m_grow = 8;
};
