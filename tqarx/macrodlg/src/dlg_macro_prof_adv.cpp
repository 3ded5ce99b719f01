#include "macrodlg/dlg_macro_prof_adv.h"

#include <cmath>

#include "host/dialog_support.h"
#include "host/macro_coord_sys.h"
#include "host/macro_host_calls.h"
#include "host/section_tables.h"
#include "host/texts.h"
#include "res/macrosub_ids.h"
#include "sectionlib/section_pictures.h"
#include "prof_adv_sections.h"
#include "sub_dialog_controls.h"
#include "win/messages.h"
#include "win/msgbox.h"
#include "win/window.h"

namespace {

const wchar_t* const kSizeKey = L"DLG_MACRO_PROFADVANCED";
constexpr int kMorphStretch = 65;
constexpr int kDefaultAxisItem = 2;

enum {
    kTextCaption = 1011,
    kTextZoomTip = 868,
    kTextPickCoordSys = 1368,
    kTextPickPlane = 1230,
};

const int kPositionButtons[9] = {IDC_MP_POS1, IDC_MP_POS2, IDC_MP_POS3, IDC_MP_POS4, IDC_MP_POS5,
                                 IDC_MP_POS6, IDC_MP_POS7, IDC_MP_POS8, IDC_MP_POS9};
// (offset list item, position button) pairs.
const int kOffsetPositions[][2] = {{3, 5}, {5, 2}, {6, 8}, {7, 4}, {8, 6}, {9, 1}, {10, 3}, {11, 7}, {12, 9}};

struct Rotation {
    int id;
    const wchar_t* text;
};
const Rotation kRotations[] = {{IDC_MP_ROT0, L"0"}, {IDC_MP_ROT90, L"90"}, {IDC_MP_ROT180, L"180"},
                               {IDC_MP_ROT270, L"270"}};
const int kRotationRadios[] = {IDC_MP_ROT0, IDC_MP_ROT90, IDC_MP_ROT180, IDC_MP_ROT270, IDC_MP_ROT_KEEP,
                               IDC_MP_ROT_OTHER};
const int kPlaneRadios[] = {IDC_MP_PLANE_WCS, IDC_MP_PLANE_KEEP, IDC_MP_PLANE_PICKED, IDC_MP_PLANE_OBJECT,
                            IDC_MP_PLANE_COORDSYS};
const int kMorphControls[] = {IDC_MP_END_SELECT, IDC_MP_END_FAMILY,  IDC_MP_MORPH_TEXT1, IDC_MP_END_SECTION,
                              IDC_MP_MORPH_TEXT2, IDC_MP_MORPH_GROUP1, IDC_MP_MORPH_TEXT3, IDC_MP_MORPH_GROUP2};
const wchar_t* const kAxisTexts[3] = {L"xp", L"yp", L"zp"};

void checkOnly(CWnd& dlg, const int* ids, int count, int chosen) {
    for (int i = 0; i < count; ++i) subdlg::check(dlg, ids[i], ids[i] == chosen);
}

int checkedOf(const CWnd& dlg, const int* ids, int count) {
    for (int i = 0; i < count; ++i)
        if (subdlg::isChecked(dlg, ids[i])) return ids[i];
    return 0;
}

// A number text shown with 3 decimals; any other text as it is.
Zk_String threeDecimals(const Zk_String& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok && !text.trimmed().isEmpty() ? Zk_String(value, 3) : text;
}

int axisItemOf(const Zk_String& planeText) {
    for (int i = 0; i < 3; ++i)
        if (planeText == kAxisTexts[i]) return i;
    return -1;
}

}  // namespace

CDlgMacroProfAdv::CDlgMacroProfAdv(const KmMACallBackData& record, KmMACallBack callback, bool singleProfile,
                                   bool segmentMode, CWnd* parent)
    : CAcUiDialog(IDD, parent),
      m_record(record),
      m_callback(callback),
      m_singleProfile(singleProfile),
      m_segmentMode(segmentMode) {}

int CDlgMacroProfAdv::positionOfOffsetItem(int item) {
    for (const auto& pair : kOffsetPositions)
        if (pair[0] == item) return pair[1];
    return 0;
}

int CDlgMacroProfAdv::offsetItemOfPosition(int position) {
    for (const auto& pair : kOffsetPositions)
        if (pair[1] == position) return pair[0];
    return -1;
}

void CDlgMacroProfAdv::call(KmMACallBackType type) {
    if (m_callback) m_callback(type, m_record, m_prof);
}

BOOL CDlgMacroProfAdv::OnInitDialog() {
    CAcUiDialog::OnInitDialog();
    SetWindowText(dialString(kTextCaption).c_str());
    subdlg::setText(*this, IDC_MP_ZOOM, dialString(kTextZoomTip));
    subdlg::setTexts(*this, {{IDC_MP_SEGMENT_MODE, 1497}, {IDC_MP_GROUP_TEXT, 705},  {IDC_MP_SECTION_TEXT, 1012},
                             {IDC_MP_SECTION_SELECT, 969}, {IDC_MP_END_SELECT, 969}, {IDC_MP_MORPH_TEXT1, 1409},
                             {IDC_MP_MORPH_TEXT2, 1410},  {IDC_MP_MORPH_TEXT3, 1411}, {IDC_MP_OFFSET_TEXT, 1013},
                             {IDC_MP_SECTION_POINT, 1014}, {IDC_MP_X_TEXT, 1015},     {IDC_MP_Y_TEXT, 1016},
                             {IDC_MP_ROTATION_FRAME, 1005}, {IDC_MP_ROT_KEEP, 695},   {IDC_MP_ROT_OTHER, 1017},
                             {IDC_MP_PLANE_FRAME, 460},   {IDC_MP_PLANE_KEEP, 695},   {IDC_MP_PLANE_PICKED, 1018},
                             {IDC_MP_PLANE_OBJECT, 462},  {IDC_MP_PLANE_COORDSYS, 1019}, {IDC_MP_OPTION, 1343},
                             {IDC_MP_ON_SEGMENT, 1020},   {IDC_MP_SEGMENT_TEXT, 1021}, {IDOK, 285}});
    for (const Rotation& r : kRotations) subdlg::setText(*this, r.id, Zk_String(r.text) + Zk_String(L"\u00B0"));
    subdlg::setText(*this, IDC_MP_PLANE_WCS, Zk_String(L"WCS"));
    subdlg::show(*this, IDC_MP_GROUP_TEXT, !m_segmentMode);
    subdlg::show(*this, IDC_MP_GROUP, !m_segmentMode);
    subdlg::show(*this, IDC_MP_SEGMENT_MODE, m_segmentMode);
    subdlg::enable(*this, IDC_MP_GROUP, !m_singleProfile);

    subdlg::fillCombo(*this, IDC_MP_END_FAMILY, sectionFamilies());
    Zk_StringArray offsets;
    getOffsetTypeStrings(offsets, false);
    subdlg::fillCombo(*this, IDC_MP_OFFSET, offsets);
    Zk_StringArray systems;
    getAllCoordSys(m_coordSysIds, systems);
    subdlg::fillCombo(*this, IDC_MP_COORDSYS, systems);
    subdlg::fillCombo(*this, IDC_MP_AXIS, {dialString(1022), dialString(1023), dialString(1024)});
    subdlg::setComboSel(*this, IDC_MP_AXIS, kDefaultAxisItem);
    subdlg::enable(*this, IDC_MP_PLANE_OBJECT, m_record.macroData && m_record.macroData->selectedProfiles);

    RECT opened{};
    GetWindowRect(&opened);
    ChangeDlgSize(this, Zk_String(kSizeKey), opened.right - opened.left, opened.bottom - opened.top);

    call(kMACallBackGet);
    fillControls();
    if (m_prof.morphed) {
        RECT rect{};
        GetWindowRect(&rect);
        MoveWindow(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top + kMorphStretch);
    } else {
        for (int id : kMorphControls) subdlg::show(*this, id, false);
    }
    showSectionImage();
    return TRUE;
}

void CDlgMacroProfAdv::fillSectionCombo(int comboId, const Zk_String& section, Zk_StringArray& systemNames) {
    Zk_StringArray shown;
    sectionChoices(section, systemNames, shown);
    int selected = -1;
    for (int i = 0; i < systemNames.length() && selected < 0; ++i)
        if (systemNames[i] == section) selected = i;
    // A drawing name or a section just chosen in the section dialog is shown as it is.
    if (selected < 0 && !section.isEmpty()) {
        systemNames.append(section);
        shown.append(section);
        selected = shown.length() - 1;
    }
    subdlg::fillCombo(*this, comboId, shown);
    subdlg::setComboSel(*this, comboId, selected);
}

void CDlgMacroProfAdv::fillOffset() {
    const int item = getDlgOffsetType(m_prof);
    subdlg::setComboSel(*this, IDC_MP_OFFSET, item);
    const int position = positionOfOffsetItem(item);
    for (int p = 1; p <= 9; ++p) subdlg::check(*this, kPositionButtons[p - 1], p == position);
    subdlg::setText(*this, IDC_MP_X, threeDecimals(m_prof.xOffset));
    subdlg::setText(*this, IDC_MP_Y, threeDecimals(m_prof.yOffset));
}

void CDlgMacroProfAdv::fillRotation() {
    int chosen = IDC_MP_ROT_OTHER;
    if (m_prof.rotation == macroKeepText()) {
        chosen = IDC_MP_ROT_KEEP;
    } else {
        bool ok = false;
        const double degrees = m_prof.rotation.trimmed().toDouble(&ok);
        for (const Rotation& r : kRotations)
            if (ok && !m_prof.rotation.trimmed().isEmpty() && degrees == Zk_String(r.text).toDouble()) chosen = r.id;
    }
    checkOnly(*this, kRotationRadios, 6, chosen);
    subdlg::setText(*this, IDC_MP_ROT_VALUE, chosen == IDC_MP_ROT_OTHER ? m_prof.rotation : Zk_String());
}

void CDlgMacroProfAdv::fillPlane() {
    const int current = checkedOf(*this, kPlaneRadios, 5);
    int chosen = current;
    if (m_prof.planeText == macroKeepText()) {
        chosen = IDC_MP_PLANE_KEEP;
    } else if (m_prof.planeText.isEmpty()) {
        chosen = IDC_MP_PLANE_WCS;
    } else if (current != IDC_MP_PLANE_PICKED && current != IDC_MP_PLANE_OBJECT && current != IDC_MP_PLANE_COORDSYS) {
        chosen = IDC_MP_PLANE_PICKED;
    }
    checkOnly(*this, kPlaneRadios, 5, chosen);
    const int axis = axisItemOf(m_prof.planeText);
    if (axis >= 0) subdlg::setComboSel(*this, IDC_MP_AXIS, axis);
    int system = -1;
    if (chosen == IDC_MP_PLANE_COORDSYS && m_coordSysIds.find(m_prof.planeObjectId, system))
        subdlg::setComboSel(*this, IDC_MP_COORDSYS, system);
}

void CDlgMacroProfAdv::fillControls() {
    m_filling = true;
    subdlg::setText(*this, IDC_MP_GROUP, m_prof.groupName);
    fillSectionCombo(IDC_MP_SECTION, m_prof.sectionName, m_sectionNames);
    fillSectionCombo(IDC_MP_END_SECTION, m_prof.endSectionName, m_endSectionNames);
    Zk_String family = m_prof.endSectionName;
    if (family.find(L'-') > 0) family = family.left(family.find(L'-'));
    int familyIndex = -1;
    sectionFamilies().find(family, familyIndex);
    subdlg::setComboSel(*this, IDC_MP_END_FAMILY, familyIndex);
    subdlg::setText(*this, IDC_MP_MORPH_GROUP1, m_prof.morphGroup1);
    subdlg::setText(*this, IDC_MP_MORPH_GROUP2, m_prof.morphGroup2);
    fillOffset();
    fillRotation();
    fillPlane();
    subdlg::check(*this, IDC_MP_ON_SEGMENT, m_prof.onSegment == 1);
    subdlg::setText(*this, IDC_MP_SEGMENT_NR, m_prof.segmentNr);
    subdlg::setTriState(*this, IDC_MP_OPTION, m_prof.option);
    updateEnabled();
    m_filling = false;
}

void CDlgMacroProfAdv::updateEnabled() {
    subdlg::enable(*this, IDC_MP_ROT_VALUE, subdlg::isChecked(*this, IDC_MP_ROT_OTHER));
    const bool coordSys = subdlg::isChecked(*this, IDC_MP_PLANE_COORDSYS);
    const bool picked = subdlg::isChecked(*this, IDC_MP_PLANE_PICKED);
    const bool object = subdlg::isChecked(*this, IDC_MP_PLANE_OBJECT);
    subdlg::setText(*this, IDC_MP_PLANE_PICK,
                    dialString(coordSys ? kTextPickCoordSys : kTextPickPlane) + Zk_String(L"..."));
    subdlg::enable(*this, IDC_MP_PLANE_PICK, picked || coordSys);
    subdlg::enable(*this, IDC_MP_COORDSYS, coordSys);
    subdlg::enable(*this, IDC_MP_AXIS, object || coordSys);
    const bool free = subdlg::comboSel(*this, IDC_MP_OFFSET) == 0;
    subdlg::enable(*this, IDC_MP_X, free);
    subdlg::enable(*this, IDC_MP_Y, free);
    const bool onSegment = subdlg::isChecked(*this, IDC_MP_ON_SEGMENT);
    subdlg::enable(*this, IDC_MP_SEGMENT_TEXT, onSegment);
    subdlg::enable(*this, IDC_MP_SEGMENT_NR, onSegment);
}

void CDlgMacroProfAdv::showSectionImage() {
    Zk_String family = m_prof.sectionName;
    if (family.find(L'-') > 0) family = family.left(family.find(L'-'));
    const Zk_SectionTable* table = nullptr;
    const Zk_String reference =
        gSectionTables.findTable(family, table) == Acad::eOk && table ? table->image : Zk_String();
    subdlg::setIconsPicture(*this, IDC_MP_SECTION_IMAGE,
                            sectionTypeBitmap(reference, reference.isEmpty() ? m_prof.sectionName : Zk_String(), true));
}

void CDlgMacroProfAdv::readBack() {
    if (!m_segmentMode && !m_singleProfile) m_prof.groupName = subdlg::text(*this, IDC_MP_GROUP);
    const int section = subdlg::comboSel(*this, IDC_MP_SECTION);
    if (m_sectionNames.isValidIndex(section) && m_sectionNames[section] != macroKeepText())
        m_prof.sectionName = m_sectionNames[section];
    if (m_prof.morphed) {
        const int end = subdlg::comboSel(*this, IDC_MP_END_SECTION);
        if (m_endSectionNames.isValidIndex(end) && m_endSectionNames[end] != macroKeepText())
            m_prof.endSectionName = m_endSectionNames[end];
        m_prof.morphGroup1 = subdlg::text(*this, IDC_MP_MORPH_GROUP1);
        m_prof.morphGroup2 = subdlg::text(*this, IDC_MP_MORPH_GROUP2);
    }

    const int item = subdlg::comboSel(*this, IDC_MP_OFFSET);
    if (item >= 0 && item != getDlgOffsetType(m_prof)) {
        const int type = getProfOffsetType(item);
        if (type < 0) {
            m_prof.byReference = 1;
        } else {
            m_prof.offsetType = type;
            m_prof.byReference = 0;
        }
    }
    if (item == 0) {
        m_prof.xOffset = subdlg::text(*this, IDC_MP_X);
        m_prof.yOffset = subdlg::text(*this, IDC_MP_Y);
    }

    const int rotation = checkedOf(*this, kRotationRadios, 6);
    for (const Rotation& r : kRotations)
        if (rotation == r.id) m_prof.rotation = Zk_String(r.text);
    if (rotation == IDC_MP_ROT_KEEP) m_prof.rotation = macroKeepText();
    if (rotation == IDC_MP_ROT_OTHER) m_prof.rotation = subdlg::text(*this, IDC_MP_ROT_VALUE);

    const int axis = subdlg::comboSel(*this, IDC_MP_AXIS);
    const Zk_String axisText(axis >= 0 && axis < 3 ? kAxisTexts[axis] : kAxisTexts[kDefaultAxisItem]);
    switch (checkedOf(*this, kPlaneRadios, 5)) {
        case IDC_MP_PLANE_WCS:
            m_prof.planeText.clear();
            break;
        case IDC_MP_PLANE_KEEP:
            m_prof.planeText = macroKeepText();
            break;
        case IDC_MP_PLANE_OBJECT:
            m_prof.planeText = axisText;
            m_prof.planeObjectId = m_prof.objectId;
            break;
        case IDC_MP_PLANE_COORDSYS: {
            m_prof.planeText = axisText;
            const int chosen = subdlg::comboSel(*this, IDC_MP_COORDSYS);
            m_prof.planeObjectId = m_chosenCoordSys != 0                ? m_chosenCoordSys
                                   : m_coordSysIds.isValidIndex(chosen) ? m_coordSysIds[chosen]
                                                                        : 0;
            break;
        }
        default:  // a picked plane was written when it was picked
            break;
    }
    m_prof.onSegment = subdlg::isChecked(*this, IDC_MP_ON_SEGMENT) ? 1 : 0;
    m_prof.segmentNr = subdlg::text(*this, IDC_MP_SEGMENT_NR);
    m_prof.option = subdlg::triState(*this, IDC_MP_OPTION);
}

void CDlgMacroProfAdv::apply() {
    if (m_filling) return;
    readBack();
    call(kMACallBackSet);
    fillControls();
    showSectionImage();
}

bool CDlgMacroProfAdv::pick(const std::function<bool()>& pickInDrawing) {
    if (m_picking) return false;
    m_picking = true;
    call(kMACallBackHide);
    BeginEditorCommand();
    const bool picked = pickInDrawing();
    CompleteEditorCommand();
    call(kMACallBackShow);
    m_picking = false;
    return picked;
}

void CDlgMacroProfAdv::pickPlane() {
    long long planeId = 0;
    Zk_String planeText;
    if (!pick([&] { return UserSelectPlane(planeId, planeText); })) return;
    m_prof.planeText = planeText;
    m_prof.planeObjectId = planeId;
    apply();
}

void CDlgMacroProfAdv::chooseSection(bool endSection) {
    Zk_String chosen;
    if (!DlgSelectProf(chosen)) return;
    readBack();
    (endSection ? m_prof.endSectionName : m_prof.sectionName) = chosen;
    call(kMACallBackSet);
    fillControls();
    showSectionImage();
}

BOOL CDlgMacroProfAdv::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (m_filling) return CAcUiDialog::OnCommand(wParam, lParam);
    if (code == BN_CLICKED) {
        switch (id) {
            case IDC_MP_ZOOM:
                if (!m_picking) {
                    m_picking = true;
                    ShowWindow(SW_HIDE);
                    ZoomCommand();
                    ShowWindow(SW_SHOW);
                    m_picking = false;
                }
                return TRUE;
            case IDC_MP_ROT_OTHER:
            case IDC_MP_PLANE_KEEP:
            case IDC_MP_PLANE_COORDSYS:
                checkOnly(*this, id == IDC_MP_ROT_OTHER ? kRotationRadios : kPlaneRadios, id == IDC_MP_ROT_OTHER ? 6 : 5,
                          id);
                updateEnabled();
                return TRUE;
            case IDC_MP_PLANE_PICKED:
                checkOnly(*this, kPlaneRadios, 5, id);
                updateEnabled();
                pickPlane();
                return TRUE;
            case IDC_MP_PLANE_OBJECT:
                checkOnly(*this, kPlaneRadios, 5, id);
                if (m_prof.objectId != 0) {
                    long long created = 0;
                    createCoordSys(m_prof.objectId, created);
                }
                apply();
                return TRUE;
            case IDC_MP_PLANE_PICK:
                if (subdlg::isChecked(*this, IDC_MP_PLANE_COORDSYS)) {
                    long long system = 0;
                    if (pick([&] { return selectCoordSys(system); })) {
                        m_chosenCoordSys = system;
                        apply();
                    }
                } else if (subdlg::isChecked(*this, IDC_MP_PLANE_PICKED)) {
                    pickPlane();
                }
                return TRUE;
            case IDC_MP_SECTION_SELECT:
            case IDC_MP_END_SELECT:
                chooseSection(id == IDC_MP_END_SELECT);
                return TRUE;
            case IDC_MP_SECTION_POINT: {
                double x = 0;
                double y = 0;
                bool ok = false;
                const double degrees = m_prof.rotation.trimmed().toDouble(&ok);
                const double radians = ok ? degrees * M_PI / 180.0 : 0.0;
                if (pick([&] { return UserChooseSectionPoint(radians, x, y); })) {
                    readBack();
                    m_prof.sectionPointSet = true;
                    m_prof.sectionPointX = x;
                    m_prof.sectionPointY = y;
                    call(kMACallBackSet);
                    fillControls();
                }
                return TRUE;
            }
            case IDC_MP_OPTION:
                subdlg::toggleTwoStates(*this, id);
                apply();
                return TRUE;
            case IDC_MP_SEGMENT_MODE:
                return TRUE;
            default:
                break;
        }
        for (int p = 1; p <= 9; ++p)
            if (id == kPositionButtons[p - 1]) {
                subdlg::setComboSel(*this, IDC_MP_OFFSET, offsetItemOfPosition(p));
                apply();
                return TRUE;
            }
        for (int radio : kRotationRadios)
            if (id == radio) {
                checkOnly(*this, kRotationRadios, 6, id);
                apply();
                return TRUE;
            }
        if (id == IDC_MP_PLANE_WCS || id == IDC_MP_ON_SEGMENT) {
            if (id == IDC_MP_PLANE_WCS) checkOnly(*this, kPlaneRadios, 5, id);
            apply();
            return TRUE;
        }
    }
    if (code == CBN_SELCHANGE) {
        if (id == IDC_MP_COORDSYS) m_chosenCoordSys = 0;
        if (id == IDC_MP_COORDSYS || id == IDC_MP_AXIS || id == IDC_MP_OFFSET || id == IDC_MP_SECTION ||
            id == IDC_MP_END_SECTION) {
            apply();
            return TRUE;
        }
    }
    return CAcUiDialog::OnCommand(wParam, lParam);
}

BOOL CDlgMacroProfAdv::PreTranslateMessage(MSG* msg) {
    // Enter applies without closing.
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
        apply();
        return TRUE;
    }
    return CAcUiDialog::PreTranslateMessage(msg);
}

void CDlgMacroProfAdv::OnOK() {
    if (m_segmentMode) m_segmentResult = subdlg::isChecked(*this, IDC_MP_SEGMENT_MODE);
    apply();
    EndDialog(IDOK);
}

void CDlgMacroProfAdv::OnDestroy() {
    WriteDlgSize(this, Zk_String(kSizeKey));
    CAcUiDialog::OnDestroy();
}
