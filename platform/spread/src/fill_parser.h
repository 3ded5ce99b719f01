// Parsing the formulas of one load. A formula that differs from the last one parsed in full
// in its column only in its references (a formula filled down: "=A1+1", "=A2+1", ...) gets
// a copy of that formula's tree with its own references, without being parsed again.
// Anything else is parsed in full.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ast.h"
#include "tokenizer.h"

namespace spread {

class FillParser {
public:
    // As ParseFormula for the formula of (style.hostCol, style.hostRow); the text without
    // its leading "=". Null with the parser's error for text that is no formula.
    std::shared_ptr<const Ast> Parse(std::wstring_view text, const RefStyle& style, std::wstring& error);

private:
    // The last formula parsed in full in a column.
    struct Pattern {
        std::wstring text;
        std::shared_ptr<const Ast> ast;
        std::vector<Token> refs;   // its Ref and Range tokens, in order
    };
    // p's tree with text's references, or null when text differs from p in more than them.
    std::shared_ptr<const Ast> Reuse(const Pattern& p, std::wstring_view text, const RefStyle& style);

    std::unordered_map<Coord, Pattern> byCol_;
    std::vector<Token> textRefs_;   // the references read from the text being matched
};

}  // namespace spread
