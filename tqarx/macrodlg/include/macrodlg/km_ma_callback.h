// The calls from the profile dialog (CDlgMacroProfAdv) to its owner, and the record
// that travels with them (KmMACallBackData).
#pragma once

#include "host/macro_data.h"
#include "host/macro_prof_records.h"
#include "host/zk_array.h"
#include "host/zk_string.h"

enum KmMACallBackType {
    kMACallBackGet = 0,   // fill the record with the profile (or group) to edit
    kMACallBackSet = 1,   // write the record into the model, apply, fill it again
    kMACallBackHide = 2,  // a pick in the drawing starts: hide the owner's windows
    kMACallBackShow = 3,  // the pick has ended: show them again
};

class KmMACallBackData {
public:
    KmMACallBackData();
    KmMACallBackData(const KmMACallBackData& other);
    KmMACallBackData& operator=(const KmMACallBackData& other);
    ~KmMACallBackData();

    // Copies data into a new owned MacroData; does nothing once one is held.
    void initDataClass(const MacroData& data);

    Zk_String groupName;        // empty: the owner's current profile
    int groupFlag = 0;          // 1 when a page opens the dialog for a group button
    long long ownerWindow = 0;  // the owner's window handle
    MacroData* macroData = nullptr;  // owned; null until initDataClass
    Zk_String text2;
    Zk_Array<int> values;
};

// The owner's answer to a call; the dialog ignores the result.
using KmMACallBack = bool (*)(KmMACallBackType type, KmMACallBackData& record, MacroProfData& profile);
