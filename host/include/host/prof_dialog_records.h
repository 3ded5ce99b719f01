// The records of the profile dialogs: the cuts of a profile in the drawing, with their
// previews (DlgProfCutsData), and a few labelled properties of a profile
// (DlgProfFeaturesData). The building levels of the drawing are kept here too.
#pragma once

#include <map>

#include "host/dialog_records.h"
#include "host/zk_array.h"
#include "host/zk_string.h"

// A cut of a profile in the drawing.
struct ProfCutInDrawing {
    long long id = 0;
    Zk_String description;
    friend bool operator==(const ProfCutInDrawing&, const ProfCutInDrawing&) = default;
};

// The stand-in's drawing: the cuts of each profile, the previews shown now and the
// answers to "pick another profile" (taken in order; an empty queue is a cancelled pick).
struct ProfCutsDrawing {
    std::map<long long, Zk_Array<ProfCutInDrawing>> profiles;
    Zk_Array<long long> previews;       // cut ids whose preview is drawn
    Zk_Array<long long> profilePicks;
    Zk_Array<long long> removedCuts;    // in the order they were removed
    int previewsDrawn = 0;
};
ProfCutsDrawing& profCutsDrawing();
void resetProfCutsDrawing();

class DlgProfCutsData {
public:
    long long profileId = 0;

    // The descriptions of the profile's cuts, in order.
    void getCutDescs(Zk_StringArray& descriptions) const;
    // Previews by index into getCutDescs; false for an index outside it.
    bool drawCutPreview(int index) const;
    bool removeCutPreview(int index) const;
    void removeAllCutPreviews() const;
    // Removes the cut from the profile in the drawing (and its preview).
    bool removeCut(int index) const;
    // The user picks another profile; false when cancelled (the profile is kept).
    bool selectOtherProf();

    friend bool operator==(const DlgProfCutsData&, const DlgProfCutsData&) = default;

private:
    const ProfCutInDrawing* cutAt(int index) const;
};

// The features dialog's record. Pair n (0 to 3) has a caption and a value; an empty
// caption leaves the pair out. The third pair's value is a level name when thirdIsLevel.
// With an option caption, the third caption and value follow the option's state:
// optionCaptions/optionValues [0] while it is off, [1] while it is on.
struct DlgProfFeaturesData {
    static constexpr int kPairs = 4;
    Zk_String caption;
    Zk_String sectionName;
    Zk_String captions[kPairs];
    Zk_String values[kPairs];
    Zk_String optionCaption;
    Zk_String optionCaptions[2];
    Zk_String optionValues[2];
    int optionState = 0;
    bool thirdIsLevel = false;
    Zk_StringArray levelNames;

    // Reads the level names from the drawing's building levels.
    void reloadLevels();

    friend bool operator==(const DlgProfFeaturesData&, const DlgProfFeaturesData&) = default;
};

// The building levels of the drawing (what the levels dialog edits).
KmLevelsDlgData& buildingLevels();
