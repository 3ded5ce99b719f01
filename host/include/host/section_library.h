// The section library record the library dialogs edit: section groups, section types and
// the names of the values tables, user-section drawings and picture files found in the
// library. The host fills it and takes it back; the dialogs only change the record (and
// the values tables they save themselves).
#pragma once

#include "host/zk_array.h"
#include "host/zk_string.h"

class SectionType {
public:
    SectionType() = default;
    virtual ~SectionType() = default;
    SectionType(const SectionType&) = default;
    SectionType& operator=(const SectionType&) = default;

    bool enabled = true;
    Zk_String image;        // picture file (relative to "icons\")
    int group = -1;         // index into the groups, -1 = none
    Zk_String drawing;      // the user-section drawing, empty for none
    Zk_StringArray langs;   // user name per language (order of GetAllLanguages)

    friend bool operator==(const SectionType& a, const SectionType& b) {
        return a.enabled == b.enabled && a.image == b.image && a.group == b.group && a.drawing == b.drawing &&
               a.langs == b.langs;
    }
};

class SectionGroupArray {
public:
    int length() const { return m_groups.length(); }
    bool isValidIndex(int index) const { return m_groups.isValidIndex(index); }
    // Field access; an index outside the array gives an empty text / false and sets nothing.
    Zk_String getName(int index) const;
    bool getEnabled(int index) const;
    bool setEnabled(int index, bool enabled);
    Zk_String getImage(int index) const;
    bool setImage(int index, const Zk_String& image);
    Zk_StringArray getLangs(int index) const;
    bool setLangs(int index, const Zk_StringArray& langs);
    // Appends an enabled group named "Group N" (N making the name new) with that name in
    // every language; returns its index.
    int appendNewGrp();
    int append(const Zk_String& name, bool enabled = true, const Zk_String& image = Zk_String(),
               const Zk_StringArray& langs = Zk_StringArray());
    bool removeAt(int index);
    bool swap(int a, int b);
    Zk_StringArray namesOfAllGroups() const;

    friend bool operator==(const SectionGroupArray& a, const SectionGroupArray& b) { return a.m_groups == b.m_groups; }

private:
    struct Group {
        Zk_String name;
        bool enabled = true;
        Zk_String image;
        Zk_StringArray langs;
        friend bool operator==(const Group& a, const Group& b) {
            return a.name == b.name && a.enabled == b.enabled && a.image == b.image && a.langs == b.langs;
        }
    };
    Zk_Array<Group> m_groups;
};

class DlgEditLibData {
public:
    SectionGroupArray groups;
    Zk_Array<SectionType> types;
    // Filled by GetAvailableFiles from the library:
    Zk_StringArray tableNames;          // values tables: "prof\*.pr" without ".pr"
    Zk_StringArray userSections;        // user-section drawings: "User Sections\*.dwg"
    Zk_StringArray pictureFiles;        // pictures: "*.bmp" in "icons\" of the program folder

    // Lists the library's tables, drawings and pictures (sorted without case).
    void GetAvailableFiles();
};

// The host's section selection dialog: the section to start from, on OK the chosen
// section's path ("<libDir>HEA-HEA200" for a row of a values table, "<libDir>User
// Sections\Plate.dwg" for a user section). The stand-in takes the path typed into its edit
// (a path without a folder is taken below the library folder). False on Cancel.
constexpr unsigned IDD_HOST_SELECT_PROF = 30111;
constexpr int IDC_SELECT_PROF_PATH = 30112;
bool DlgSelectProf(const Zk_String& initialName, Zk_String& chosenPath);
