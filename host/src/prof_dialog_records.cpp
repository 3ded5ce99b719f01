#include "host/prof_dialog_records.h"

ProfCutsDrawing& profCutsDrawing() {
    static ProfCutsDrawing drawing;
    return drawing;
}

void resetProfCutsDrawing() { profCutsDrawing() = ProfCutsDrawing(); }

KmLevelsDlgData& buildingLevels() {
    static KmLevelsDlgData levels;
    return levels;
}

const ProfCutInDrawing* DlgProfCutsData::cutAt(int index) const {
    const auto found = profCutsDrawing().profiles.find(profileId);
    if (found == profCutsDrawing().profiles.end() || !found->second.isValidIndex(index)) return nullptr;
    return &found->second[index];
}

void DlgProfCutsData::getCutDescs(Zk_StringArray& descriptions) const {
    descriptions.clear();
    const auto found = profCutsDrawing().profiles.find(profileId);
    if (found == profCutsDrawing().profiles.end()) return;
    for (const ProfCutInDrawing& cut : found->second) descriptions.append(cut.description);
}

bool DlgProfCutsData::drawCutPreview(int index) const {
    const ProfCutInDrawing* cut = cutAt(index);
    if (cut == nullptr) return false;
    ProfCutsDrawing& drawing = profCutsDrawing();
    if (!drawing.previews.contains(cut->id)) drawing.previews.append(cut->id);
    ++drawing.previewsDrawn;
    return true;
}

bool DlgProfCutsData::removeCutPreview(int index) const {
    const ProfCutInDrawing* cut = cutAt(index);
    if (cut == nullptr) return false;
    int at = -1;
    if (profCutsDrawing().previews.find(cut->id, at)) profCutsDrawing().previews.removeAt(at);
    return true;
}

void DlgProfCutsData::removeAllCutPreviews() const { profCutsDrawing().previews.clear(); }

bool DlgProfCutsData::removeCut(int index) const {
    const ProfCutInDrawing* cut = cutAt(index);
    if (cut == nullptr) return false;
    ProfCutsDrawing& drawing = profCutsDrawing();
    const long long id = cut->id;
    int at = -1;
    if (drawing.previews.find(id, at)) drawing.previews.removeAt(at);
    drawing.removedCuts.append(id);
    drawing.profiles[profileId].removeAt(index);
    return true;
}

bool DlgProfCutsData::selectOtherProf() {
    ProfCutsDrawing& drawing = profCutsDrawing();
    if (drawing.profilePicks.isEmpty()) return false;
    profileId = drawing.profilePicks.first();
    drawing.profilePicks.removeAt(0);
    return true;
}

void DlgProfFeaturesData::reloadLevels() { levelNames = buildingLevels().names; }
