// Child calls of standards sheets: CallChild("file", var1, var2, ...) in an equation
// evaluates another standards file with copies of the named variables and copies the
// child's outputs back.
//
// The sheets being evaluated at any moment form a chain (the root sheet, the child it
// calls, that child's child, ...). A child call that would return to a sheet already in
// the chain (A -> A, A -> B -> A, ...) fails, and so does one that would make the chain
// longer than KmCalcTq::kMaxChildDepth sheets; so evaluation never recurses without end.
#pragma once

#include <vector>

#include "host/zk_array.h"
#include "host/zk_string.h"

struct KmChildCall {
    Zk_String file;          // as written, one pair of surrounding quotes removed
    Zk_StringArray argNames; // the variable names after the file, in order
};

// The argument list of the first "CallChild(...)" in expression: the text from the first
// "(" after the word to the first ")" after that, split at "," (parts trimmed, empty parts
// dropped). False without "CallChild", its brackets, or with fewer than two parts.
bool parseChildCall(const Zk_String& expression, KmChildCall& call);

// The first existing path for a child file: as given; beside the parent file (a leading
// backslash removed); in "Connection Standards\", "Connection Standards\Childs\",
// "Connection Standards\Data\" and "Connection Standards\Parents\" of the library.
bool resolveChildFile(const Zk_String& name, const Zk_String& parentFile, Zk_String& path);

// Whether two Windows paths name the same file ("\" and "/" alike, case ignored).
bool sameSheetPath(const Zk_String& a, const Zk_String& b);

// The chain of sheets being evaluated, outermost first.
const std::vector<Zk_String>& activeSheetChain();
// "A -> B -> C" for the chain followed by next.
Zk_String describeSheetChain(const Zk_String& next);

// Keeps a sheet in the chain for its lifetime (scopes nest).
class KmActiveSheetScope {
public:
    explicit KmActiveSheetScope(const Zk_String& sheet);
    ~KmActiveSheetScope();
    KmActiveSheetScope(const KmActiveSheetScope&) = delete;
    KmActiveSheetScope& operator=(const KmActiveSheetScope&) = delete;
};
