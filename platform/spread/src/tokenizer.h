// Formula text to tokens. References are resolved to sheet positions here (R1C1 offsets
// against the formula's own cell), so the parser only sees positions.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ref.h"
#include "value.h"

namespace spread {

enum class Tok { Number, String, Ref, Range, Name, Error, Op, LParen, RParen, Comma };

struct Token {
    Tok kind = Tok::Op;
    std::wstring text;     // operator, name or string contents
    double num = 0;
    Err err = Err::None;
    Ref a, b;              // Ref: a; Range: a..b
    std::size_t pos = 0;   // position in the formula text
    std::size_t end = 0;   // just past the token
    bool spaceBefore = false;
};

struct RefStyle {
    bool r1c1 = false;
    Coord hostCol = 1, hostRow = 1;
    Coord maxCol = 0, maxRow = 0;   // limits of references (whole columns reach maxRow)
};

// False with a message (position and what was wrong) for text that is not a formula.
bool Tokenize(std::wstring_view text, const RefStyle& style, std::vector<Token>& out, std::wstring& error);

// The reference or range the tokenizer reads at p (which holds a letter, "$" or "_"), as
// a Ref or Range token with p moved past it; false where it reads something else there.
bool LexReference(std::wstring_view text, const RefStyle& style, std::size_t& p, Token& out);

}  // namespace spread
