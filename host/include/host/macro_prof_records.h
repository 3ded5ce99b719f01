// Profile-side dialog records of a macro tab: a profile (or the merged properties of
// a profile group) and the segmented profiles.
//
// In merged properties a text that the profiles of the group hold differently is
// macroKeepText() (numbered text 695), an integer -1.
#pragma once

#include "host/zk_array.h"
#include "host/zk_string.h"

// The text of the keep item: a value left as each macro has it.
Zk_String macroKeepText();

// A profile of a tab.
struct MacroProfData {
    Zk_String groupName;
    Zk_String sectionName;
    Zk_String material;
    Zk_String memberName;
    long long objectId = 0;         // the profile object in the drawing; 0 none
    int offsetType = 0;             // the host's offset type; -1 keep
    int byReference = 0;            // tri-state: placed by reference
    Zk_String xOffset;
    Zk_String yOffset;
    Zk_String rotation;             // degrees as text, or the keep text
    Zk_String planeText;            // empty: the world plane; "xp"/"yp"/"zp": an axis plane
    long long planeObjectId = 0;    // the object the plane refers to
    bool morphed = false;
    Zk_String endSectionName;       // the morphed end section
    Zk_String morphGroup1;
    Zk_String morphGroup2;
    int onSegment = 0;              // tri-state: placed on one segment of its polyline
    Zk_String segmentNr;
    int option = 0;                 // tri-state
    bool sectionPointSet = false;
    double sectionPointX = 0.0;
    double sectionPointY = 0.0;
    int controlId = 0;              // the template control showing the group's section
    int buttonControlId = 0;        // the group's section or advanced button

    bool sameValues(const MacroProfData& other) const;

    friend bool operator==(const MacroProfData&, const MacroProfData&) = default;
};

// One segment of a segmented profile.
struct MacroProfSegment {
    int number = 1;
    Zk_String value;

    friend bool operator==(const MacroProfSegment&, const MacroProfSegment&) = default;
};

// A profile split along its polyline.
struct MacroProfSegmentedData {
    Zk_String name;
    Zk_String profile;
    double clearance = 0.0;
    bool breakAtEveryPoint = false;
    Zk_Array<MacroProfSegment> segments;

    friend bool operator==(const MacroProfSegmentedData&, const MacroProfSegmentedData&) = default;
};

// Offset types and the items of the offset list (getOffsetTypeStrings): item 1 stands
// for placing by reference, every other item for the offset type of its number.
constexpr int kMacroOffsetItemCount = 13;
// The list item that shows a profile's offset.
int getDlgOffsetType(const MacroProfData& profile);
// The offset type of a list item; negative: by reference. Items outside the list give 0.
int getProfOffsetType(int item);
