// Zk_SimplePropsList: an ordered list of typed key/value entries (keys looked up without
// case), with a text form (every field followed by "¤", U+00A4) kept in a sheet's corner
// cell, and a file form (".kmd" settings files: the same fields, one byte a character,
// the byte 0xA4 as separator).
#pragma once

#include "host/zk_array.h"
#include "host/zk_string.h"

class Zk_SimplePropsList {
public:
    // Entry types as they are written.
    enum Type : short { kNone = 0, kReal = 1, kInteger = 2, kLong = 3, kText = 4 };
    static constexpr wchar_t kSeparator = 0x00A4;
    // The largest settings file read (they hold a few dozen short entries).
    static constexpr int kMaxFileBytes = 1024 * 1024;

    struct Entry {
        Zk_String name;
        short type = kNone;
        double real = 0.0;
        int integer = 0;
        Zk_String text;
        friend bool operator==(const Entry&, const Entry&) = default;
    };

    Zk_SimplePropsList() = default;
    virtual ~Zk_SimplePropsList() = default;

    void clear() { m_entries.clear(); }
    int count() const { return m_entries.length(); }
    const Entry& at(int index) const { return m_entries[index]; }
    // Index of the entry named name (case ignored), or -1.
    int find(const Zk_String& name) const;

    // An existing name keeps its place and takes the new type and value; a new one is
    // appended. False for an empty name.
    bool set(const Zk_String& name, const Entry& value);
    bool setReal(const Zk_String& name, double value);
    bool setInt(const Zk_String& name, int value, short type = kInteger);
    bool setBool(const Zk_String& name, bool value) { return setInt(name, value ? 1 : 0); }
    bool setText(const Zk_String& name, const Zk_String& value);

    // Succeed only for an existing entry of the expected type (integer and boolean: type
    // 2, text: type 4); a failed read leaves 0, false or an empty text.
    bool getInt(const Zk_String& name, int& value) const;
    bool getBool(const Zk_String& name, bool& value) const;
    bool getText(const Zk_String& name, Zk_String& value) const;
    bool getReal(const Zk_String& name, double& value) const;

    // The text form; a "¤" inside a name or text is written as "?" so that the record
    // keeps its shape.
    Zk_String toText() const;
    // Replaces the list by the entries of text; a trailing incomplete group is dropped.
    // False (empty list) for an empty text.
    bool fromText(const Zk_String& text);
    // The file form. False (empty list) for an empty path, a file that cannot be read or
    // one larger than kMaxFileBytes.
    bool readFile(const Zk_String& path);
    // Writes the file form atomically; characters beyond one byte are written as "?".
    bool writeFile(const Zk_String& path) const;

    friend bool operator==(const Zk_SimplePropsList& a, const Zk_SimplePropsList& b) {
        return a.m_entries == b.m_entries;
    }

private:
    Zk_Array<Entry> m_entries;
};
