// KmDlgStandardsData: the request to apply a connection standard, filled by the host
// module and handed to StartDlgStandardsTq. In macro mode (evalMode 0) it names the
// macro, its data and the open transaction; in value mode (evalMode 1) varCells carries
// the given values in and the results out (how child sheets and the test entry call).
// The record never owns the macro, the macro data or the transaction: copies share them.
#pragma once

#include "acad/error_status.h"
#include "engine/km_var_cells.h"
#include "host/zk_array.h"
#include "host/zk_string.h"

class Zk_DbMacro;     // host/macro_model.h
class MacroData;      // host/macro_model.h
class AcTransaction;  // acad

class KmDlgStandardsData {
public:
    enum EvalMode { kMacroMode = 0, kValueMode = 1 };

    KmDlgStandardsData() = default;
    KmDlgStandardsData(const KmDlgStandardsData&) = default;
    KmDlgStandardsData& operator=(const KmDlgStandardsData&) = default;
    virtual ~KmDlgStandardsData();

    // Prepares a macro-mode request. Both pointers are required (else eInvalidInput and
    // nothing changes). moduleGroup becomes what follows "Module." in macroName, else
    // empty. transaction is left alone: the caller sets it.
    Acad::ErrorStatus initialize(Zk_DbMacro* macro, const Zk_String& tqFile,
                                 const Zk_String& macroNameIn, MacroData* data);

    int evalMode = 0;               // 0 macro, 1 values, anything else: load only
    Zk_String tqFileName;           // name in "Connection Standards\" (".kms" added) or a path
    Zk_DbMacro* dbMacro = nullptr;
    Zk_String macroName;            // also the mapping name; "Module." + group for a group
    Zk_String moduleGroup;          // empty for a whole macro
    AcTransaction* transaction = nullptr;  // required in macro mode
    MacroData* macroData = nullptr;
    Zk_StringArray genVarNames;     // general variables substituted into the sheet
    Zk_StringArray genVarValues;    // their values, same index
    KmVarCells varCells;            // value mode: values in and out; macro mode: final declarations
};
