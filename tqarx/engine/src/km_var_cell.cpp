#include "engine/km_var_cell.h"

#include "engine/km_tq_mapping.h"
#include "engine/zk_spread.h"

namespace {
constexpr int kIntDecimals = 0;
constexpr int kDoubleDecimals = 7;
constexpr int kStringMaxLength = 9999;
}  // namespace

bool KmVarCell::parseDeclaration(const Zk_String& text, KmValueType& type, Zk_String& name) {
    const Zk_String trimmed = text.trimmed();
    if (trimmed.startsWith(Zk_String(L"Int")))
        type = KmValueType::Int;
    else if (trimmed.startsWith(Zk_String(L"Double")))
        type = KmValueType::Double;
    else if (trimmed.startsWith(Zk_String(L"String")))
        type = KmValueType::String;
    else
        return false;
    const int space = trimmed.find(L' ');
    name = space < 0 ? Zk_String() : trimmed.mid(space + 1);
    return true;
}

Acad::ErrorStatus KmVarCell::initialize(Zk_Spread& spread, int cellCol, int cellRow, KmCellType type) {
    Zk_String text;
    if (!spread.readCellText(cellCol, cellRow, text, 3)) return Acad::eInvalidInput;
    KmValueType declared;
    Zk_String name;
    if (!parseDeclaration(text, declared, name)) return Acad::eInvalidInput;
    varName = name;
    valueType = declared;
    col = cellCol;
    row = cellRow;
    cellType = type;
    return Acad::eOk;
}

Acad::ErrorStatus KmVarCell::setValueFromMacro(KmTqMapping& mapping, const KmDlgStandardsData& data) {
    Zk_String text = value;
    if (mapping.getMacroVarValue(varName, valueType, text, data) != Acad::eOk) return Acad::eInvalidInput;
    value = text;
    return Acad::eOk;
}

Acad::ErrorStatus KmVarCell::setValueToMacro(KmTqMapping& mapping, const KmDlgStandardsData& data) {
    return mapping.setMacroVarValue(varName, valueType, value, data) == Acad::eOk ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus KmVarCell::setValueFromOther(Zk_Spread& spread, const KmVarCell& other) {
    return setNewValue(spread, other.value);
}

Acad::ErrorStatus KmVarCell::setNewValue(const Zk_String& text) {
    value = text;
    return Acad::eOk;
}

Acad::ErrorStatus KmVarCell::setNewValue(Zk_Spread& spread, const Zk_String& text, bool typed) {
    value = text;
    return setValueToTq(spread, typed);
}

Acad::ErrorStatus KmVarCell::setValueToTq(Zk_Spread& spread, bool typed) {
    bool formatted = true;
    if (!typed) {
        switch (valueType) {
        case KmValueType::Int:
            formatted = spread.setNumberType(col, row, col, row, kIntDecimals);
            break;
        case KmValueType::Double:
            formatted = spread.setNumberType(col, row, col, row, kDoubleDecimals);
            break;
        case KmValueType::String:
            formatted = spread.setEditType(col, row, col, row, kStringMaxLength);
            break;
        }
    }
    if (!formatted || !spread.writeCellText(col, row, value)) return Acad::eInvalidInput;
    return Acad::eOk;
}

Acad::ErrorStatus KmVarCell::getCurrentValue(Zk_Spread& spread, Zk_String& text) {
    return spread.readCellText(col, row, text, 3) ? Acad::eOk : Acad::eInvalidInput;
}
