#include "macrodlg/km_ma_callback.h"

KmMACallBackData::KmMACallBackData() = default;

KmMACallBackData::KmMACallBackData(const KmMACallBackData& other)
    : groupName(other.groupName),
      groupFlag(other.groupFlag),
      ownerWindow(other.ownerWindow),
      macroData(other.macroData ? new MacroData(*other.macroData) : nullptr),
      text2(other.text2),
      values(other.values) {}

KmMACallBackData& KmMACallBackData::operator=(const KmMACallBackData& other) {
    if (this == &other) return *this;
    MacroData* copy = other.macroData ? new MacroData(*other.macroData) : nullptr;
    delete macroData;
    macroData = copy;
    groupName = other.groupName;
    groupFlag = other.groupFlag;
    ownerWindow = other.ownerWindow;
    text2 = other.text2;
    values = other.values;
    return *this;
}

KmMACallBackData::~KmMACallBackData() { delete macroData; }

void KmMACallBackData::initDataClass(const MacroData& data) {
    if (!macroData) macroData = new MacroData(data);
}
