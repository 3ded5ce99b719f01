// Tokens to the postfix syntax tree, by operator precedence without recursion. Nesting of
// parentheses and calls is limited to SS_LIMIT_FORMULA_DEPTH, formula length to
// SS_LIMIT_FORMULA_LEN and arguments per call to SS_LIMIT_FUNC_ARGS.
#pragma once

#include <string>
#include <string_view>

#include "ast.h"
#include "tokenizer.h"

namespace spread {

// refTokens (when given) receives the Ref and Range tokens of the text in order: the tree's
// Ref and Range nodes follow the same order.
bool ParseFormula(std::wstring_view text, const RefStyle& style, Ast& out, std::wstring& error,
                  std::vector<Token>* refTokens = nullptr);

// Formula text of a tree: A1 or R1C1 references relative to the host cell.
std::wstring RenderFormula(const Ast& ast, bool r1c1, Coord hostCol, Coord hostRow);

}  // namespace spread
