#include "engine/km_dlg_standards_data.h"

namespace {
const wchar_t* const kModulePrefix = L"Module.";
}

KmDlgStandardsData::~KmDlgStandardsData() = default;

Acad::ErrorStatus KmDlgStandardsData::initialize(Zk_DbMacro* macro, const Zk_String& tqFile,
                                                 const Zk_String& macroNameIn, MacroData* data) {
    if (macro == nullptr || data == nullptr)
        return Acad::eInvalidInput;
    evalMode = kMacroMode;
    tqFileName = tqFile;
    macroName = macroNameIn;
    dbMacro = macro;
    macroData = data;
    const Zk_String prefix(kModulePrefix);
    if (macroNameIn.startsWith(prefix))
        moduleGroup = macroNameIn.mid(prefix.length());
    else
        moduleGroup.clear();
    return Acad::eOk;
}
