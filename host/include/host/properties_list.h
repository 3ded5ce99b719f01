// Zk_PropertiesList: typed properties (integer, double, string) under keys, kept in the
// order they were first set, read from and written to a text file that people can edit
// by hand. The file (UTF-8, lines ending in CR LF when written, LF or CR LF when read):
//
//   # a comment line; blank lines are ignored
//   int nrOfControls = 2
//   double topLeftX0 = 0.25
//   string contents0 = "Plate \"A\"\tthickness"
//
// One property a line: its type ("int", "double" or "string"), the key, "=" and the value,
// separated by blanks. Keys are letters, digits, "_", "." and "-". An int is a decimal
// 32-bit integer; a double a decimal number (exponent allowed, no "nan" or "inf"); a string
// is quoted, with \" \\ \n \r \t as escapes. A key may appear once per file.
#pragma once

#include <unordered_map>
#include <vector>

#include "host/zk_string.h"

class Zk_PropertiesList {
public:
    enum class Kind { Int, Double, String };

    // Setting a key again replaces its value and type but keeps its place.
    void setProperty(const Zk_String& key, int value);
    void setProperty(const Zk_String& key, double value);
    void setProperty(const Zk_String& key, const Zk_String& value);
    void setProperty(const Zk_String& key, const wchar_t* value) { setProperty(key, Zk_String(value)); }

    // False (value unchanged) when the key is absent or holds another type; an int is
    // also read as a double.
    bool getProperty(const Zk_String& key, int& value) const;
    bool getProperty(const Zk_String& key, double& value) const;
    bool getProperty(const Zk_String& key, Zk_String& value) const;

    bool hasProperty(const Zk_String& key) const;
    bool kindOf(const Zk_String& key, Kind& kind) const;
    // The line a key was read from (counted from 1); 0 for keys set in code or absent.
    int lineOf(const Zk_String& key) const;
    int count() const { return static_cast<int>(m_items.size()); }
    const Zk_String& keyAt(int index) const { return m_items.at(static_cast<std::size_t>(index)).key; }
    void clear();

    // Reads the file. On failure the list is unchanged and error (when given) says why,
    // naming the file and, for a bad line, its number: "<path>, line 3: ...".
    bool readFromFile(const Zk_String& path, Zk_String* error = nullptr);
    // Writes atomically: a failure leaves the old file intact.
    bool writeToFile(const Zk_String& path) const;

    // The same for a text in memory; the error of parse names line numbers only.
    bool parse(const Zk_String& text, Zk_String* error = nullptr);
    Zk_String toText() const;

    // A key the file syntax can hold.
    static bool isValidKey(const Zk_String& key);

private:
    struct Item {
        Zk_String key;
        Kind kind = Kind::Int;
        int intValue = 0;
        double doubleValue = 0.0;
        Zk_String stringValue;
        int line = 0;
    };
    Item& slot(const Zk_String& key);
    const Item* find(const Zk_String& key) const;

    std::vector<Item> m_items;
    std::unordered_map<Zk_String, std::size_t> m_index;
};
