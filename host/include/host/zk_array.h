// Zk_Array<T>: the product's growable array, indexed from 0, and Zk_StringArray.
// Index checks never fail silently into undefined behaviour: operator[] outside the
// array throws std::out_of_range (a programming fault), the editing operations
// report false and change nothing.
#pragma once

#include <algorithm>
#include <initializer_list>
#include <stdexcept>
#include <utility>
#include <vector>

#include "host/zk_string.h"

namespace zk_detail {
// Prints "*Error* Invalid index passed to insert.\n" on the command line.
void reportInvalidInsertIndex();
}

template <typename T>
class Zk_Array {
public:
    using value_type = T;
    using iterator = typename std::vector<T>::iterator;
    using const_iterator = typename std::vector<T>::const_iterator;

    Zk_Array() = default;
    Zk_Array(std::initializer_list<T> items) : m_items(items) {}
    explicit Zk_Array(std::vector<T> items) : m_items(std::move(items)) {}

    int length() const { return static_cast<int>(m_items.size()); }
    bool isEmpty() const { return m_items.empty(); }
    bool isValidIndex(int index) const { return index >= 0 && index < length(); }

    T& operator[](int index) { return m_items.at(checked(index)); }
    const T& operator[](int index) const { return m_items.at(checked(index)); }
    T& at(int index) { return (*this)[index]; }
    const T& at(int index) const { return (*this)[index]; }
    T& first() { return (*this)[0]; }
    const T& first() const { return (*this)[0]; }
    T& last() { return (*this)[length() - 1]; }
    const T& last() const { return (*this)[length() - 1]; }

    // Room for count elements without growing again.
    void reserve(int count) { if (count > 0) m_items.reserve(static_cast<std::size_t>(count)); }
    // Appends and returns the new element's index.
    int append(const T& value) { m_items.push_back(value); return length() - 1; }
    int append(T&& value) { m_items.push_back(std::move(value)); return length() - 1; }
    void append(const Zk_Array& other) { m_items.insert(m_items.end(), other.m_items.begin(), other.m_items.end()); }

    // Inserts before index (index == length appends). Outside 0..length the error
    // text is printed on the command line and nothing changes.
    bool insertAt(int index, const T& value) {
        if (index < 0 || index > length()) {
            zk_detail::reportInvalidInsertIndex();
            return false;
        }
        m_items.insert(m_items.begin() + index, value);
        return true;
    }
    bool removeAt(int index) {
        if (!isValidIndex(index)) return false;
        m_items.erase(m_items.begin() + index);
        return true;
    }
    bool removeLast() { return removeAt(length() - 1); }
    bool setAt(int index, const T& value) {
        if (!isValidIndex(index)) return false;
        m_items[static_cast<std::size_t>(index)] = value;
        return true;
    }
    void removeAll() { m_items.clear(); }
    void clear() { m_items.clear(); }
    // Grows with default values or cuts at the end; negative counts as 0.
    void setLength(int count) { m_items.resize(static_cast<std::size_t>(std::max(count, 0))); }
    void reverse() { std::reverse(m_items.begin(), m_items.end()); }

    // First index holding value; found flag as result, index -1 when not found.
    bool find(const T& value, int& index) const { return findFrom(value, 0, index); }
    // As find, searching from index start on.
    bool findFrom(const T& value, int start, int& index) const {
        for (int i = std::max(start, 0); i < length(); ++i) {
            if (m_items[static_cast<std::size_t>(i)] == value) {
                index = i;
                return true;
            }
        }
        index = -1;
        return false;
    }
    bool contains(const T& value) const { int i; return find(value, i); }

    iterator begin() { return m_items.begin(); }
    iterator end() { return m_items.end(); }
    const_iterator begin() const { return m_items.begin(); }
    const_iterator end() const { return m_items.end(); }
    std::vector<T>& items() { return m_items; }
    const std::vector<T>& items() const { return m_items; }

    friend bool operator==(const Zk_Array& a, const Zk_Array& b) { return a.m_items == b.m_items; }
    friend bool operator!=(const Zk_Array& a, const Zk_Array& b) { return !(a == b); }

private:
    std::size_t checked(int index) const {
        if (!isValidIndex(index)) throw std::out_of_range("Zk_Array index out of range");
        return static_cast<std::size_t>(index);
    }
    std::vector<T> m_items;
};

class Zk_StringArray : public Zk_Array<Zk_String> {
public:
    using Zk_Array<Zk_String>::Zk_Array;
    using Zk_Array<Zk_String>::find;
    using Zk_Array<Zk_String>::contains;

    // First index whose text equals value (whole text; ignoreCase
    // compares without letter case); found flag as result, index -1 when not found.
    bool find(const Zk_String& value, int& index, bool ignoreCase) const;
    bool contains(const Zk_String& value, bool ignoreCase) const;
    // Appends value unless it is present already; returns its index.
    int appendUnique(const Zk_String& value, bool ignoreCase = false);
};
