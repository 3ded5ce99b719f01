// KmVarCell: one variable declaration of a standards spreadsheet ("Double Width"):
// its name, block (input, output, local), value type, declaration cell and value.
#pragma once

#include "acad/error_status.h"
#include "engine/km_value_type.h"
#include "host/zk_string.h"

class Zk_Spread;           // engine/zk_spread.h
class KmTqMapping;         // engine/km_tq_mapping.h
class KmDlgStandardsData;  // engine/km_dlg_standards_data.h

enum class KmCellType : int {
    Input = 0,
    Output = 1,
    Local = 2,
};

class KmVarCell {
public:
    Zk_String varName;
    KmCellType cellType = KmCellType::Input;
    Zk_String value;
    KmValueType valueType = KmValueType::String;
    int col = 0;    // declaration cell, 1-based; 0 = not in a sheet
    int row = 0;

    virtual ~KmVarCell() = default;

    bool isInput() const { return cellType == KmCellType::Input; }
    bool isOutput() const { return cellType == KmCellType::Output; }
    bool isLocal() const { return cellType == KmCellType::Local; }

    // A declaration: the trimmed text starts with "Int", "Double" or "String" (in that
    // order); the name is everything after the first space (empty without one).
    static bool parseDeclaration(const Zk_String& text, KmValueType& type, Zk_String& name);

    // Reads the declaration at (col, row); eInvalidInput when unreadable or no declaration.
    Acad::ErrorStatus initialize(Zk_Spread& spread, int col, int row, KmCellType type);
    Acad::ErrorStatus setValueFromMacro(KmTqMapping& mapping, const KmDlgStandardsData& data);
    Acad::ErrorStatus setValueToMacro(KmTqMapping& mapping, const KmDlgStandardsData& data);
    // Takes other's value and writes it into the sheet.
    Acad::ErrorStatus setValueFromOther(Zk_Spread& spread, const KmVarCell& other);
    Acad::ErrorStatus setNewValue(const Zk_String& text);
    // typed: the declaration cell has its value type's cell type already (written before
    // in this evaluation, or on a sheet kept from the last one), only the value is written.
    Acad::ErrorStatus setNewValue(Zk_Spread& spread, const Zk_String& text, bool typed = false);

    friend bool operator==(const KmVarCell&, const KmVarCell&) = default;

private:
    friend class KmVarCells;
    // Formats the declaration cell by value type and writes value into it.
    Acad::ErrorStatus setValueToTq(Zk_Spread& spread, bool typed = false);
    Acad::ErrorStatus getCurrentValue(Zk_Spread& spread, Zk_String& text);
};
