#include "host/string_arr.h"

Zk_StringArray stringArr(const Zk_String& s1, const Zk_String& s2, const Zk_String& s3, const Zk_String& s4,
                         const Zk_String& s5) {
    Zk_StringArray list;
    for (const Zk_String* text : {&s1, &s2, &s3, &s4, &s5})
        if (!text->isEmpty()) list.append(*text);
    return list;
}
