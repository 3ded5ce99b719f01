// KmTqSettings: the print and appearance settings every spreadsheet carries (default
// font, header and footer files, margins, print flags and two lists of variables for the
// headers and footers). They live as the text form of a Zk_SimplePropsList in the tag of
// the sheet's corner cell (0, 0) and in ".kmd" settings files in the product folder.
//
// KmTqRegistrySets: the two machine-wide values of the spreadsheet editor, read from
// "Software\Kelmora\Spreadsheet Editor v1.0" under HKEY_LOCAL_MACHINE.
#pragma once

#include "host/zk_array.h"
#include "host/zk_string.h"
#include "sheeteditor/zk_simple_props_list.h"
#include "win/types.h"

class KmTqSettings {
public:
    KmTqSettings();
    virtual ~KmTqSettings() = default;

    // All fields to their defaults (the variable lists stay), valid false.
    void setDefaults();
    // Defaults, valid, remembers sheet and loads the keys of its cell (0, 0) tag.
    void loadFromSheet(HWND sheet);
    // Writes the settings as the tag of cell (0, 0); only when valid and a sheet is given.
    bool storeToSheet(HWND sheet) const;
    // Defaults, valid, then the keys of the settings file of name; false when the file
    // cannot be read (the fields keep their defaults).
    bool loadFromFile(const Zk_String& settingsName);
    // Loads from the sheet, replaces both variable lists, stores back.
    bool setVariables(HWND sheet, const Zk_StringArray& names, const Zk_StringArray& values);

    // The keys present with the right type set their fields; the variable lists are read
    // from index 0 until the first missing key, then cut to the shorter one's length.
    void loadFromList(const Zk_SimplePropsList& list);
    // The list in the written order.
    Zk_SimplePropsList toList() const;

    // The settings file of a name: the product folder, the name, ".kmd".
    static Zk_String settingsFilePath(const Zk_String& settingsName);
    // The product folder (gSettings.zkDir with "\" separators, ending in "\").
    static Zk_String productFolder();

    HWND sheet = nullptr;
    bool valid = false;
    Zk_String headerFile;
    Zk_String footerFile;
    Zk_String defaultFont;
    int defaultTextHeight = 13;
    int marginLeft = 9;
    int marginRight = 5;
    int marginTop = 5;
    int marginBottom = 5;
    bool smartPrint = true;
    bool colors = true;
    bool colHeader = true;
    bool rowHeader = true;
    bool cellSeperators = true;
    bool border = true;
    Zk_StringArray varNames;
    Zk_StringArray varValues;
};

class KmTqRegistrySets {
public:
    static constexpr const wchar_t* kKey = L"Software\\Kelmora\\Spreadsheet Editor v1.0";
    // Bytes of the buffer a value is read into (terminating null included).
    static constexpr DWORD kBufferBytes = 256;

    virtual ~KmTqRegistrySets() = default;
    // Both values; false when either could not be read (that one keeps its default).
    bool read();
    // One value given as "key\value name" under HKEY_LOCAL_MACHINE; only REG_SZ is
    // accepted. False, with the thread's last error set, on any failure.
    static bool readValue(const Zk_String& fullPath, Zk_String& value);

    Zk_String language = L"EN";
    Zk_String defaultSettings;
};
