#include "designer/designer_texts.h"

#include "host/texts.h"

namespace {
Zk_String joined(std::initializer_list<int> numbers) {
    Zk_String out;
    for (int nr : numbers) {
        if (!out.isEmpty()) out += L";";
        out += dialString(nr);
    }
    return out;
}
}  // namespace

Zk_String controlTypeName(int type) {
    if (type >= 0 && type <= 3) return dialString(799 + type);
    if (type == 4 || type == 5) return dialString(803) + (type == 4 ? L" 1: " : L" 2: ") + string(2220);
    if (type >= 6 && type <= 25) return dialString(804 + type - 6);
    switch (type) {
    case 26: return dialString(1315);
    case 27: return dialString(1341);
    case 28: return dialString(1404);
    case 29: return dialString(1405);
    case 30: return dialString(1428);
    default: return Zk_String();
    }
}

Zk_String contentsLabelOf(int type) {
    if (type == 0 || type == 1 || type == 25 || type == 26 || type == 29) return dialString(827);
    if (type == 2 || type == 3) return dialString(828);
    if (type >= 4 && type <= 6) return dialString(829);
    if (type >= 13 && type <= 17) return dialString(830);
    if ((type >= 18 && type <= 24)) return dialString(831);
    if (type == 28) return dialString(1406);
    if (type == 30) return dialString(1429);
    return Zk_String();
}

bool listHintOf(int type, Zk_String& hint) {
    switch (type) {
    case 0: case 1: hint = dialString(1403); return true;
    case 3: hint = dialString(833); return true;
    case 23: hint = dialString(834); return true;
    case 25: hint = joined({1316, 1317, 1318, 1319}); return true;
    case 26: hint = joined({1316, 1317, 1320, 1319}); return true;
    case 27: hint = dialString(1342); return true;
    case 29: hint = dialString(828); return true;
    case 30: hint = joined({705, 1430, 1431}); return true;
    default: hint.clear(); return false;
    }
}
