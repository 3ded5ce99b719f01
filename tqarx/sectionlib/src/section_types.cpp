#include "sectionlib/section_types.h"

#include "host/texts.h"

namespace {

struct BuiltinType {
    const wchar_t* stem;
    int nameText;
    std::initializer_list<int> valueTexts;
};

// Numbered texts of the value columns.
enum : int {
    kHeight = 736, kWidth = 737, kWebThick = 738, kFlangeThick = 739, kRadius = 740, kRadius2 = 741,
    kThick = 742, kDiameter = 743, kLip = 744, kWidth2 = 745, kHeight2 = 746, kFlangeThick2 = 747,
    kWebThick2 = 748, kAngle = 749, kSlope = 750, kLipAngle = 753, kLegLength = 1684,
};

const BuiltinType kTypes[kBuiltinSectionTypeCount] = {
    {L"ProfSectionI", 719, {kHeight, kWidth, kWebThick, kFlangeThick, kRadius}},
    {L"ProfSectionCL", 720, {kHeight, kWidth, kWebThick, kFlangeThick}},
    {L"ProfSectionHL", 721, {kHeight, kWidth, kWebThick, kFlangeThick}},
    {L"ProfSectionCU", 722, {kHeight, kWidth, kWebThick, kFlangeThick, kRadius}},
    {L"ProfSectionT", 723, {kHeight, kWidth, kWebThick, kFlangeThick, kRadius}},
    {L"ProfSectionOI", 724, {kHeight, kWidth, kThick, kRadius}},
    {L"ProfSectionOU", 725, {kHeight, kWidth, kThick, kRadius}},
    {L"ProfSectionRect", 726, {kHeight, kWidth}},
    {L"ProfSectionRound", 727, {kDiameter}},
    {L"ProfSectionRectTube", 728, {kHeight, kWidth, kThick, kRadius}},
    {L"ProfSectionRoundTube", 729, {kDiameter, kThick}},
    {L"ProfSectionC", 730, {kHeight, kWidth, kThick, kLip, kRadius}},
    {L"ProfSectionZ", 731, {kHeight, kWidth, kThick, kLip, kRadius, kWidth2}},
    {L"ProfSectionV", 732, {kHeight, kWidth, kThick, kAngle}},
    {L"ProfSectionO", 733, {kHeight, kWidth, kWidth2, kThick, kRadius}},
    {L"ProfSectionQ", 734, {kWidth}},
    {L"ProfSectionCuttedI", 735, {kHeight, kWidth, kWebThick, kFlangeThick, kRadius, kHeight2, kFlangeThick2,
                                  kWebThick2, kSlope, kRadius2}},
    {L"ProfSectionSigma", 1677, {kHeight, kWidth, kThick, kLip, kHeight2}},
    {L"ProfSectionSigma+", 1678, {kHeight, kWidth, kThick, kLip, kHeight2, kLipAngle}},
    {L"ProfSectionSigma Sleeve", 1679, {kHeight, kWidth, kThick, kHeight2}},
    {L"ProfSectionC+", 1680, {kHeight, kWidth, kThick, kLip, kLipAngle}},
    {L"ProfSectionC Sleeve", 1681, {kHeight, kWidth, kThick}},
    {L"ProfSectionSingle Cleat", 1682, {kHeight, kWidth, kThick, kLegLength}},
    {L"ProfSectionDouble Cleat", 1683, {kHeight, kWidth, kThick, kLegLength, kWidth2}},
};

const BuiltinType* typeOf(int number) {
    return number >= 1 && number <= kBuiltinSectionTypeCount ? &kTypes[number - 1] : nullptr;
}

}  // namespace

bool isUserSectionReference(const Zk_String& reference) { return reference.endsWith(Zk_String(L".dwg"), true); }

int builtinSectionNumber(const Zk_String& reference) {
    if (reference.isEmpty() || isUserSectionReference(reference)) return -1;
    bool ok = false;
    const int number = reference.toInt(&ok);
    return ok && typeOf(number) != nullptr ? number : -1;
}

Zk_String builtinSectionStem(int number) {
    const BuiltinType* type = typeOf(number);
    return type ? Zk_String(type->stem) : Zk_String();
}

Zk_String builtinSectionName(int number) {
    const BuiltinType* type = typeOf(number);
    return type ? dialString(type->nameText) : Zk_String();
}

Zk_String builtinSectionDisplay(int number) {
    return typeOf(number) ? Zk_String(L"<") + builtinSectionName(number) + Zk_String(L">") : Zk_String();
}

int builtinSectionFromDisplay(const Zk_String& text) {
    for (int number = 1; number <= kBuiltinSectionTypeCount; ++number)
        if (builtinSectionDisplay(number) == text) return number;
    return -1;
}

Zk_Array<int> builtinSectionValueTexts(int number) {
    Zk_Array<int> texts;
    if (const BuiltinType* type = typeOf(number))
        for (int nr : type->valueTexts) texts.append(nr);
    return texts;
}

Zk_StringArray builtinSectionValueNames(int number) {
    Zk_StringArray names;
    for (int nr : builtinSectionValueTexts(number)) names.append(dialString(nr));
    return names;
}

Zk_StringArray sectionValueColumnTitles(const Zk_String& reference, const Zk_StringArray& tableValueColumns) {
    const int number = builtinSectionNumber(reference);
    if (number > 0) return builtinSectionValueNames(number);
    Zk_StringArray titles;
    for (const Zk_String& name : tableValueColumns) {
        const Zk_String text = gMacroLangs.GetString(Zk_String(L"Prof"), name);
        titles.append(text.isEmpty() ? name : text);
    }
    return titles;
}
