#include "frame/prof_adv_launcher.h"

#include "frame/launch.h"
#include "host/macro_host_calls.h"
#include "macrodlg/dlg_macro_prof_adv.h"

namespace {

// The tab holding the group's profiles; null when none does.
MacroTabData* tabOfGroup(MacroData& data, const Zk_String& group) {
    MacroProfData ignored;
    for (MacroTabData& tab : data.tabs)
        if (tab.getMergedPropsOfGroup(group, ignored)) return &tab;
    return nullptr;
}

}  // namespace

bool macroProfAdvCallBack(KmMACallBackType type, KmMACallBackData& record, MacroProfData& profile) {
    if (!record.macroData) return false;
    MacroData& data = *record.macroData;
    MacroTabData* tab = tabOfGroup(data, record.groupName);
    switch (type) {
        case kMACallBackGet:
            if (tab) tab->getMergedPropsOfGroup(record.groupName, profile);
            return true;
        case kMACallBackSet: {
            if (!tab) return true;
            tab->setMergedPropsOfGroup(record.groupName, profile);
            MacroChange change;
            change.kind = kProfAdvChangeCode;
            change.name = record.groupName;
            const Zk_String tabName = tab->name;
            UpdateModule(tabName, data, MacroChanges{change});
            // The host may have replaced the tabs while it updated.
            if (MacroTabData* after = tabOfGroup(data, record.groupName))
                after->getMergedPropsOfGroup(record.groupName, profile);
            return true;
        }
        default:
            return true;
    }
}

void StartDlgMacroProfAdv(MacroData& data, const Zk_String& group, const Zk_String& text, bool segmentMode) {
    TqResourceScope resources;
    KmMACallBackData record;
    record.text2 = text;
    record.groupName = group;
    record.initDataClass(data);
    long long edited = 0;
    {
        CDlgMacroProfAdv dlg(record, &macroProfAdvCallBack, false, segmentMode);
        dlg.DoModal();
        edited = dlg.profile().objectId;
    }
    if (!data.eraseTempObject) return;
    if (data.objectIds.length() == 1) EraseObject(data.objectIds[0]);
    if (edited != 0) EraseObject(edited);
}

void StartDlgMacroProfAdv(AcArray<AcDbObjectId>* objects, bool& segmentMode, KmMACallBack callback) {
    if (!objects || objects->isEmpty()) return;
    TqResourceScope resources;
    KmMACallBackData record;
    CDlgMacroProfAdv dlg(record, callback, objects->length() == 1, segmentMode);
    dlg.DoModal();
    segmentMode = dlg.segmentResult();
}
