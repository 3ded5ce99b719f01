#include "macrodlg/macro_tab_prof.h"

#include "host/macro_host_calls.h"
#include "host/texts.h"
#include "macrodlg/dlg_macro.h"
#include "macrodlg/dlg_macro_prof_segm.h"
#include "macrodlg/macro_combo_values.h"
#include "res/macrodlg_ids.h"
#include "win/msgbox.h"
#include "win/window.h"

namespace {
constexpr int kProfileBandHeight = 162;
constexpr int kSegmentedBandHeight = 20;
constexpr int kNoneText = 697;
constexpr int kPlaneKeepItem = 3;
constexpr int kPlaneObjectItem = 1;
constexpr int kPlaneCoordSysItem = 2;
}  // namespace

CMacroTabProf::CMacroTabProf(CDlgMacro* owner, int tabIndex, long long singleProfileId)
    : CMacroTabPage(IDD, owner, tabIndex, IDC_PAGE_GRID_PROF),
      m_singleProfileId(singleProfileId),
      m_singleProfile(singleProfileId != 0) {}

HWND CMacroTabProf::item(int id) const { return ::GetDlgItem(GetSafeHwnd(), id); }

void CMacroTabProf::initFixedControls() {
    m_fixedIds = {IDC_PROF_GROUP,   IDC_PROF_PROFILE,  IDC_PROF_SECTION, IDC_PROF_SELECT_SECTION, IDC_PROF_OFFSET,
                  IDC_PROF_ROTATION, IDC_PROF_PLANE,   IDC_PROF_PICK_PLANE, IDC_PAGE_ADVANCED,    IDC_PROF_SEGMENTED};
    SetDlgItemText(IDC_PROF_GROUP_LABEL, dialString(1002).c_str());
    SetDlgItemText(IDC_PROF_SECTION_LABEL, dialString(1003).c_str());
    SetDlgItemText(IDC_PROF_SELECT_SECTION, dialString(969).c_str());
    SetDlgItemText(IDC_PROF_OFFSET_LABEL, dialString(1004).c_str());
    SetDlgItemText(IDC_PROF_ROTATION_LABEL, (dialString(1005) + L" (\u00B0):").c_str());
    SetDlgItemText(IDC_PROF_PLANE_LABEL, dialString(1006).c_str());
    SetDlgItemText(IDC_PAGE_ADVANCED, dialString(1007).c_str());
    SetDlgItemText(IDC_PROF_PICK_PLANE, dialString(1008).c_str());
    SetDlgItemText(IDC_PROF_SEGMENTED, dialString(1009).c_str());
}

bool CMacroTabProf::showsProfileBand() const {
    const MacroTabData* tab = tabData();
    return tab && !tab->advBtnForEveryGroup;
}

int CMacroTabProf::bandHeight() const {
    const MacroTabData* tab = tabData();
    if (!tab) return 0;
    if (!tab->advBtnForEveryGroup) return kProfileBandHeight;
    return tab->hasSegmentedProfs() ? kSegmentedBandHeight : 0;
}

void CMacroTabProf::layoutBand(const RECT& band) {
    const MacroTabData* tab = tabData();
    const bool shown = showsProfileBand();
    const bool segmented = tab && tab->hasSegmentedProfs();
    for (int id = IDC_PROF_GROUP_LABEL; id <= IDC_PROF_PICK_PLANE; ++id)
        if (CWnd* w = GetDlgItem(id)) w->ShowWindow(shown ? SW_SHOW : SW_HIDE);
    for (int id : {IDC_PAGE_ADVANCED, IDC_PROF_ROTATION})
        if (CWnd* w = GetDlgItem(id)) w->ShowWindow(shown ? SW_SHOW : SW_HIDE);
    if (CWnd* w = GetDlgItem(IDC_PROF_SEGMENTED)) w->ShowWindow(segmented ? SW_SHOW : SW_HIDE);
    auto place = [&](int id, int x, int y, int w, int h) {
        if (CWnd* c = GetDlgItem(id)) c->MoveWindow(x, y, w, h);
    };
    if (!shown) {
        place(IDC_PROF_SEGMENTED, 6, band.top, 110, 19);
        return;
    }
    const int top = band.top + 2;
    const int rowStep = 26;
    place(IDC_PROF_GROUP_LABEL, 6, top + 3, 80, 16);
    place(IDC_PROF_GROUP, 90, top, 140, 200);
    place(IDC_PAGE_ADVANCED, 236, top, 90, 21);
    place(IDC_PROF_PROFILE, 90, top + rowStep, 140, 200);
    place(IDC_PROF_SEGMENTED, 236, top + rowStep, 90, 21);
    place(IDC_PROF_SECTION_LABEL, 6, top + 2 * rowStep + 3, 80, 16);
    place(IDC_PROF_SECTION, 90, top + 2 * rowStep, 140, 200);
    place(IDC_PROF_SELECT_SECTION, 236, top + 2 * rowStep, 90, 21);
    place(IDC_PROF_OFFSET_LABEL, 6, top + 3 * rowStep + 3, 80, 16);
    place(IDC_PROF_OFFSET, 90, top + 3 * rowStep, 140, 200);
    place(IDC_PROF_ROTATION_LABEL, 6, top + 4 * rowStep + 3, 80, 16);
    place(IDC_PROF_ROTATION, 90, top + 4 * rowStep, 140, 200);
    place(IDC_PROF_PLANE_LABEL, 6, top + 5 * rowStep + 3, 80, 16);
    place(IDC_PROF_PLANE, 90, top + 5 * rowStep, 140, 200);
    place(IDC_PROF_PICK_PLANE, 236, top + 5 * rowStep, 90, 21);
}

Zk_String CMacroTabProf::currentGroup() const { return m_group; }

long long CMacroTabProf::currentProfileId() const {
    const int sel = static_cast<int>(::SendMessageW(item(IDC_PROF_PROFILE), CB_GETCURSEL, 0, 0));
    return sel >= 1 && sel - 1 < m_profileIds.length() ? m_profileIds[sel - 1] : 0;
}

bool CMacroTabProf::currentProfile(MacroProfData& profile) const {
    const MacroTabData* tab = tabData();
    if (!tab) return false;
    if (const long long id = currentProfileId()) {
        const int at = tab->getProfDataIndx(id);
        if (at < 0) return false;
        profile = tab->profs[at];
        return true;
    }
    return tab->getMergedPropsOfGroup(m_group, profile);
}

bool CMacroTabProf::profileForDialog(const Zk_String& group, MacroProfData& profile) const {
    if (group.isEmpty()) return currentProfile(profile);
    return CMacroTabPage::profileForDialog(group, profile);
}

bool CMacroTabProf::setProfileFromDialog(const Zk_String& group, const MacroProfData& profile) {
    MacroTabData* tab = tabData();
    if (!tab) return false;
    if (!group.isEmpty()) return tab->setMergedPropsOfGroup(group, profile);
    if (const long long id = currentProfileId()) {
        const int at = tab->getProfDataIndx(id);
        if (at < 0) return false;
        tab->profs[at] = profile;
        return true;
    }
    return tab->setMergedPropsOfGroup(m_group, profile);
}

void CMacroTabProf::fillGroups() {
    const MacroTabData* tab = tabData();
    const Zk_StringArray groups = tab ? tab->getProfGroups() : Zk_StringArray();
    if (m_singleProfile && tab) {
        const int at = tab->getProfDataIndx(m_singleProfileId);
        if (at >= 0 && m_group.isEmpty()) m_group = tab->profs[at].groupName;
    }
    if (indexIn(groups, m_group) < 0) m_group = groups.isEmpty() ? Zk_String() : groups[0];
    fillCombo(item(IDC_PROF_GROUP), groups);
    selectComboItem(item(IDC_PROF_GROUP), indexIn(groups, m_group));
}

void CMacroTabProf::fillProfiles() {
    const MacroTabData* tab = tabData();
    const long long keep = currentProfileId();
    m_profileIds = tab ? tab->getProfIdsOfGroup(m_group) : Zk_Array<long long>();
    Zk_StringArray items{dialString(1010)};
    for (long long id : m_profileIds) {
        const int at = tab->getProfDataIndx(id);
        const MacroProfData* p = at >= 0 ? &tab->profs[at] : nullptr;
        items.append(p && !p->memberName.isEmpty() ? p->memberName : Zk_String(id));
    }
    fillCombo(item(IDC_PROF_PROFILE), items);
    int sel = 0;
    const long long wanted = m_singleProfile ? m_singleProfileId : keep;
    for (int i = 0; i < m_profileIds.length(); ++i)
        if (m_profileIds[i] == wanted) sel = i + 1;
    selectComboItem(item(IDC_PROF_PROFILE), sel);
}

void CMacroTabProf::showProfile() {
    MacroProfData profile;
    if (!currentProfile(profile)) return;
    Zk_StringArray shown;
    sectionList(profile.sectionName, m_sectionNames, shown);
    fillCombo(item(IDC_PROF_SECTION), shown);
    const int section = indexIn(m_sectionNames, profile.sectionName);
    selectComboItem(item(IDC_PROF_SECTION), section < 0 ? m_sectionNames.length() - 1 : section);

    Zk_StringArray offsets;
    getOffsetTypeStrings(offsets, false);
    const int offset = getDlgOffsetType(profile);
    if (offset < 0) offsets.append(macroKeepText());
    fillCombo(item(IDC_PROF_OFFSET), offsets);
    selectComboItem(item(IDC_PROF_OFFSET), offset < 0 ? offsets.length() - 1 : offset);

    const Zk_StringArray rotations = rotationItems();
    showInControl(item(IDC_PROF_ROTATION), rotationShown(profile.rotation), &rotations);

    Zk_StringArray planes;
    getBasePlaneStrings(planes, false);
    fillCombo(item(IDC_PROF_PLANE), planes);
    int plane = 0;
    if (profile.planeText == macroKeepText()) plane = kPlaneKeepItem;
    else if (profile.planeText.isEmpty() && profile.planeObjectId != 0) plane = kPlaneObjectItem;
    selectComboItem(item(IDC_PROF_PLANE), plane);
}

void CMacroTabProf::loadFixed() {
    if (!showsProfileBand()) return;
    fillGroups();
    fillProfiles();
    showProfile();
}

void CMacroTabProf::readFixed(MacroTabData& tab) {
    if (!showsProfileBand()) return;
    MacroProfData profile;
    if (!currentProfile(profile)) return;
    MacroProfData changed = profile;
    const Zk_String keep = macroKeepText();

    const int section = static_cast<int>(::SendMessageW(item(IDC_PROF_SECTION), CB_GETCURSEL, 0, 0));
    if (section >= 0 && section < m_sectionNames.length() && m_sectionNames[section] != keep)
        changed.sectionName = m_sectionNames[section];

    const int offset = static_cast<int>(::SendMessageW(item(IDC_PROF_OFFSET), CB_GETCURSEL, 0, 0));
    if (offset >= 0 && controlText(item(IDC_PROF_OFFSET)) != keep && offset != getDlgOffsetType(profile)) {
        const int type = getProfOffsetType(offset);
        if (type < 0) changed.byReference = 1;
        else {
            changed.offsetType = type;
            changed.byReference = 0;
        }
    }

    const Zk_String rotation = controlText(item(IDC_PROF_ROTATION));
    if (rotation != keep && !rotation.isEmpty()) changed.rotation = rotationValue(rotation);

    if (controlText(item(IDC_PROF_PLANE)) == dialString(kNoneText)) {
        changed.planeText.clear();
        changed.planeObjectId = 0;
    }

    if (changed == profile) return;
    if (const long long id = currentProfileId()) {
        const int at = tab.getProfDataIndx(id);
        if (at >= 0) tab.profs[at] = changed;
    } else {
        tab.setMergedPropsOfGroup(m_group, changed);
    }
}

bool CMacroTabProf::pickPlane() {
    const int sel = static_cast<int>(::SendMessageW(item(IDC_PROF_PLANE), CB_GETCURSEL, 0, 0));
    if (sel != 0 && sel != kPlaneCoordSysItem) return false;
    postCancelCommand();
    if (owner()) owner()->hideForPick();
    bool picked = false;
    long long planeId = 0;
    Zk_String planeText;
    if (sel == kPlaneCoordSysItem) {
        picked = selectCoordSys(planeId);
        planeText = L"xp";
    } else {
        picked = UserSelectPlane(planeId, planeText);
    }
    if (owner()) owner()->showAfterPick();
    if (!picked) return false;
    MacroTabData* tab = tabData();
    MacroProfData profile;
    if (!tab || !currentProfile(profile)) return false;
    const MacroTabData before = *tab;
    profile.planeText = planeText;
    profile.planeObjectId = planeId;
    setProfileFromDialog(Zk_String(), profile);
    const MacroChanges changes = tab->differences(before);
    if (!changes.isEmpty() && owner()) owner()->applyTabChanges(tab->name, changes);
    return true;
}

void CMacroTabProf::openProfileDialog() { openProfAdvForGroup(Zk_String(), false); }

void CMacroTabProf::openSegmentedDialog() {
    MacroTabData* tab = tabData();
    if (!tab) return;
    postCancelCommand();
    CDlgMacroProfSegm dlg(tab->segmented, this);
    if (dlg.DoModal() != IDOK) return;
    tab = tabData();
    if (!tab) return;
    const MacroTabData before = *tab;
    tab->segmented = dlg.segments();
    const MacroChanges changes = tab->differences(before);
    if (!changes.isEmpty() && owner()) owner()->applyTabChanges(tab->name, changes);
}

bool CMacroTabProf::onFixedCommand(int id, int code) {
    switch (id) {
    case IDC_PROF_GROUP:
        if (code != CBN_SELCHANGE) return false;
        {
            const Zk_String chosen = controlText(item(IDC_PROF_GROUP));
            m_group = chosen;
            m_singleProfile = false;
            selectComboItem(item(IDC_PROF_PROFILE), 0);
            loadValues();
        }
        return true;
    case IDC_PROF_PROFILE:
        if (code != CBN_SELCHANGE) return false;
        m_singleProfile = false;
        showProfile();
        return true;
    case IDC_PROF_SECTION:
    case IDC_PROF_OFFSET:
        if (code != CBN_SELCHANGE) return false;
        applyPage();
        return true;
    case IDC_PROF_ROTATION:
        if (code == CBN_SELCHANGE) {
            const int sel = static_cast<int>(::SendMessageW(item(IDC_PROF_ROTATION), CB_GETCURSEL, 0, 0));
            const Zk_StringArray rotations = rotationItems();
            if (sel >= 0 && sel < rotations.length())
                ::SetWindowTextW(item(IDC_PROF_ROTATION), rotations[sel].c_str());
            applyPage();
            return true;
        }
        if (code == CBN_KILLFOCUS) {
            applyPage();
            return true;
        }
        return false;
    case IDC_PROF_PLANE:
        if (code != CBN_SELCHANGE) return false;
        pickPlane();
        applyPage();
        return true;
    case IDC_PROF_PICK_PLANE:
        if (code == BN_CLICKED) pickPlane();
        return code == BN_CLICKED;
    case IDC_PROF_SELECT_SECTION:
        if (code == BN_CLICKED) chooseSectionForGroup(m_group);
        return code == BN_CLICKED;
    case IDC_PAGE_ADVANCED:
        if (code == BN_CLICKED) openProfileDialog();
        return code == BN_CLICKED;
    case IDC_PROF_SEGMENTED:
        if (code == BN_CLICKED) openSegmentedDialog();
        return code == BN_CLICKED;
    default: return false;
    }
}

bool CMacroTabProf::actsOnClick(int code) const {
    return code == 14 || code == 17 || code == 24 || code == 25 || code == 26 || code == 29 || code == 30;
}

bool CMacroTabProf::onDynamicButton(const MacroPageBinding& binding) {
    if (binding.code == 14) {
        chooseSectionForGroup(binding.name);
        return true;
    }
    if (binding.code == 17) {
        openProfAdvForGroup(binding.name, true);
        return true;
    }
    return CMacroTabPage::onDynamicButton(binding);
}
