#include "engine/step_timers.h"

#include <array>

#define KM_STEP_TIMER(name) Zk_Timer name(Zk_String(L## #name));
KM_STEP_TIMER(gLoadFile)
KM_STEP_TIMER(gInitMapping)
KM_STEP_TIMER(gInitTqForInput)
KM_STEP_TIMER(gInitFromMacro)
KM_STEP_TIMER(gTqSGetFromMacro)
KM_STEP_TIMER(gSetMacroValuelsToTq)
KM_STEP_TIMER(gTqSreplaceGenVars)
KM_STEP_TIMER(gCalcMain)
KM_STEP_TIMER(gSetToMacro)
KM_STEP_TIMER(gGetFromVars)
KM_STEP_TIMER(gCalcChild)
KM_STEP_TIMER(gSetToVars)
KM_STEP_TIMER(gRegisterFuntions)
KM_STEP_TIMER(gFindDuplicates)
KM_STEP_TIMER(gCalcCells)
KM_STEP_TIMER(gCalcCellSplitSymbol)
KM_STEP_TIMER(gCalcCellFindVarCell)
KM_STEP_TIMER(gCalcCellFindFunctions)
KM_STEP_TIMER(gCalcCellCalcNativeFunctions)
KM_STEP_TIMER(gCalcCellCalcFunctionsPrepare)
KM_STEP_TIMER(gCalcCellCalcFunctions)
KM_STEP_TIMER(gCalcCellGetVarNames)
KM_STEP_TIMER(gCalcCellGetVarCoordName)
KM_STEP_TIMER(gCalcCellGetVarCoords)
KM_STEP_TIMER(gCalcCellReplaceVariables)
#undef KM_STEP_TIMER

namespace {

#define KM_ENTRY(name) KmStepTimer{#name, &name}
const std::array kStepTimers = {
    KM_ENTRY(gLoadFile),
    KM_ENTRY(gInitMapping),
    KM_ENTRY(gInitTqForInput),
    KM_ENTRY(gInitFromMacro),
    KM_ENTRY(gTqSGetFromMacro),
    KM_ENTRY(gSetMacroValuelsToTq),
    KM_ENTRY(gTqSreplaceGenVars),
    KM_ENTRY(gCalcMain),
    KM_ENTRY(gSetToMacro),
    KM_ENTRY(gGetFromVars),
    KM_ENTRY(gCalcChild),
    KM_ENTRY(gSetToVars),
    KM_ENTRY(gRegisterFuntions),
    KM_ENTRY(gFindDuplicates),
    KM_ENTRY(gCalcCells),
    KM_ENTRY(gCalcCellSplitSymbol),
    KM_ENTRY(gCalcCellFindVarCell),
    KM_ENTRY(gCalcCellFindFunctions),
    KM_ENTRY(gCalcCellCalcNativeFunctions),
    KM_ENTRY(gCalcCellCalcFunctionsPrepare),
    KM_ENTRY(gCalcCellCalcFunctions),
    KM_ENTRY(gCalcCellGetVarNames),
    KM_ENTRY(gCalcCellGetVarCoordName),
    KM_ENTRY(gCalcCellGetVarCoords),
    KM_ENTRY(gCalcCellReplaceVariables),
};
#undef KM_ENTRY

}  // namespace

std::span<const KmStepTimer> allStepTimers() { return kStepTimers; }

void resetStepTimers() {
    for (const KmStepTimer& t : kStepTimers) t.timer->reset();
}
