// The step timers of a standards evaluation. Each is started and ended around its step
// and only accumulates durations; a step that fails returns without ending its timer,
// so a timer still running afterwards shows where an evaluation stopped.
#pragma once

#include <span>

#include "host/zk_timer.h"

extern Zk_Timer gLoadFile;
extern Zk_Timer gInitMapping;
extern Zk_Timer gInitTqForInput;
extern Zk_Timer gInitFromMacro;
extern Zk_Timer gTqSGetFromMacro;
extern Zk_Timer gSetMacroValuelsToTq;
extern Zk_Timer gTqSreplaceGenVars;
extern Zk_Timer gCalcMain;
extern Zk_Timer gSetToMacro;
extern Zk_Timer gGetFromVars;
extern Zk_Timer gCalcChild;
extern Zk_Timer gSetToVars;
extern Zk_Timer gRegisterFuntions;
extern Zk_Timer gFindDuplicates;
extern Zk_Timer gCalcCells;
extern Zk_Timer gCalcCellSplitSymbol;
extern Zk_Timer gCalcCellFindVarCell;
extern Zk_Timer gCalcCellFindFunctions;
extern Zk_Timer gCalcCellCalcNativeFunctions;
extern Zk_Timer gCalcCellCalcFunctionsPrepare;
extern Zk_Timer gCalcCellCalcFunctions;
extern Zk_Timer gCalcCellGetVarNames;
extern Zk_Timer gCalcCellGetVarCoordName;
extern Zk_Timer gCalcCellGetVarCoords;
extern Zk_Timer gCalcCellReplaceVariables;

struct KmStepTimer {
    const char* name;  // the global's name, e.g. "gCalcMain"
    Zk_Timer* timer;
};

// Every step timer, in the order of the evaluation's steps.
std::span<const KmStepTimer> allStepTimers();
// Resets every step timer (stopped, nothing accumulated).
void resetStepTimers();
