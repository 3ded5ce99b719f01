// The syntax tree of a formula, stored flat in postfix order: each operator or call follows
// its operands, so every pass over a formula (evaluation, rendering, reference updates,
// dependency collection) is a loop, never a recursion, however deep the formula nests.
//
// IF is evaluated lazily: its operands are separated by IfJump (after the condition) and
// Jump (after the "then" value) nodes; a two-operand IF gets an ImplicitFalse "else".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ref.h"
#include "value.h"

namespace spread {

enum class Op : std::uint8_t {
    Num, Str, Bool, Error, Ref, Range, Name, Missing, ImplicitFalse,
    Neg, Pos, Pct,
    Add, Sub, Mul, Div, Pow, Cat, Eq, Ne, Lt, Le, Gt, Ge,
    Paren, Call, IfJump, Jump,
};

struct Node {
    Op op = Op::Num;
    bool refInvalid = false;   // Ref/Range made invalid by a deletion: evaluates to #REF!
    std::uint16_t argc = 0;    // Call
    std::int32_t fn = -1;      // Call: index in the built-in table, -1 when not built in
    std::uint32_t str = 0;     // Str, Name, Call: index in Ast::strings (Call: upper-case name)
    std::uint32_t target = 0;  // IfJump: first node of the "else" part; Jump: the IF call node
    double num = 0;            // Num, Bool
    Err err = Err::None;       // Error
    Ref a, b;                  // Ref: a; Range: a..b
};

struct Ast {
    std::vector<Node> nodes;
    std::vector<std::wstring> strings;
};

// Binary operator precedence (higher binds tighter); 0 for non-binary nodes.
int BinaryPrecedence(Op op);
const wchar_t* OperatorText(Op op);

}  // namespace spread
