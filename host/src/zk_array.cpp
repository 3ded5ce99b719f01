#include "host/zk_array.h"

bool Zk_StringArray::find(const Zk_String& value, int& index, bool ignoreCase) const {
    for (int i = 0; i < length(); ++i) {
        if ((*this)[i].equal(value, ignoreCase)) {
            index = i;
            return true;
        }
    }
    index = -1;
    return false;
}

bool Zk_StringArray::contains(const Zk_String& value, bool ignoreCase) const {
    int index;
    return find(value, index, ignoreCase);
}

int Zk_StringArray::appendUnique(const Zk_String& value, bool ignoreCase) {
    int index;
    if (find(value, index, ignoreCase)) return index;
    return append(value);
}
