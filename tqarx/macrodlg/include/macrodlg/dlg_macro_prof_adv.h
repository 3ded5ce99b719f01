// CDlgMacroProfAdv: one profile or profile group of a profile page, on dialog resource
// 220. Works live through the owner's callback (get, set, hide, show).
#pragma once

#include <functional>

#include "host/macro_prof_records.h"
#include "host/zk_array.h"
#include "macrodlg/km_ma_callback.h"
#include "acad/ui_dialogs.h"

class CDlgMacroProfAdv : public CAcUiDialog {
public:
    enum { IDD = 220 };

    CDlgMacroProfAdv(const KmMACallBackData& record, KmMACallBack callback, bool singleProfile, bool segmentMode,
                     CWnd* parent = nullptr);

    // In segment mode: the state of the segment check when OK was pressed.
    bool segmentResult() const { return m_segmentResult; }
    // The profile as the owner handed it back last.
    const MacroProfData& profile() const { return m_prof; }
    const KmMACallBackData& record() const { return m_record; }

    // The position button (1 to 9) of an offset list item; 0 for an item without one.
    static int positionOfOffsetItem(int item);
    // The offset list item of a position button (1 to 9); -1 for none.
    static int offsetItemOfPosition(int position);

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    void OnOK() override;
    void OnDestroy() override;

private:
    void call(KmMACallBackType type);
    void fillControls();
    void fillSectionCombo(int comboId, const Zk_String& section, Zk_StringArray& systemNames);
    void fillOffset();
    void fillRotation();
    void fillPlane();
    void updateEnabled();
    void showSectionImage();
    void readBack();
    // Reads the controls, calls back with set and fills the controls again.
    void apply();
    // Runs a pick in the drawing with the dialog hidden and the owner told.
    bool pick(const std::function<bool()>& pickInDrawing);
    void pickPlane();
    void chooseSection(bool endSection);

    KmMACallBackData m_record;
    KmMACallBack m_callback = nullptr;
    bool m_singleProfile = false;
    bool m_segmentMode = false;
    bool m_segmentResult = false;
    MacroProfData m_prof;
    Zk_StringArray m_sectionNames;      // system names parallel to combo 1250
    Zk_StringArray m_endSectionNames;   // parallel to combo 1254
    Zk_String m_chosenSection;          // just chosen in the host's section dialog
    Zk_String m_chosenEndSection;
    Zk_Array<long long> m_coordSysIds;  // parallel to combo 1253
    long long m_chosenCoordSys = 0;
    bool m_picking = false;
    bool m_filling = false;
};
