// Value types of spreadsheet variables, as the declaration words name them.
#pragma once

enum class KmValueType : int {
    Int = 0,
    Double = 1,
    String = 2,
};

// Int and Double are the numeric types.
inline bool isNumericValueType(KmValueType type) {
    return type == KmValueType::Int || type == KmValueType::Double;
}

// The declaration word of a type: "Int", "Double" or "String".
inline const wchar_t* valueTypeWord(KmValueType type) {
    switch (type) {
    case KmValueType::Int: return L"Int";
    case KmValueType::Double: return L"Double";
    case KmValueType::String: return L"String";
    }
    return L"";
}
