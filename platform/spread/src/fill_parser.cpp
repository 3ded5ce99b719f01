#include "fill_parser.h"

#include <utility>

#include "parser.h"
#include "spread/ss_api.h"

namespace spread {

std::shared_ptr<const Ast> FillParser::Parse(std::wstring_view text, const RefStyle& style, std::wstring& error) {
    const Coord col = style.hostCol;
    if (!style.r1c1 && text.size() <= static_cast<std::size_t>(SS_LIMIT_FORMULA_LEN)) {
        auto it = byCol_.find(col);
        if (it != byCol_.end())
            if (std::shared_ptr<const Ast> ast = Reuse(it->second, text, style)) return ast;
    }
    auto parsed = std::make_shared<Ast>();
    Pattern p;
    if (!ParseFormula(text, style, *parsed, error, &p.refs)) return nullptr;
    if (!style.r1c1) {
        p.text = std::wstring(text);
        p.ast = parsed;
        byCol_[col] = std::move(p);
    }
    return parsed;
}

std::shared_ptr<const Ast> FillParser::Reuse(const Pattern& p, std::wstring_view text, const RefStyle& style) {
    const std::wstring_view pattern = p.text;
    std::size_t at = 0, patternAt = 0;
    textRefs_.clear();
    // Between references the texts are the same character for character, so they read as
    // the same tokens; where the pattern has a reference or range, so does the text. The
    // token streams then differ only in where references point, which the parser copies
    // into the tree without looking at them.
    for (const Token& want : p.refs) {
        const std::wstring_view between = pattern.substr(patternAt, want.pos - patternAt);
        if (text.substr(at, between.size()) != between) return nullptr;
        at += between.size();
        Token& got = textRefs_.emplace_back();   // read in place, not copied
        if (!LexReference(text, style, at, got) || got.kind != want.kind) return nullptr;
        patternAt = want.end;
    }
    if (text.substr(at) != pattern.substr(patternAt)) return nullptr;

    auto ast = std::make_shared<Ast>(*p.ast);
    std::size_t k = 0;
    for (Node& n : ast->nodes) {
        if (n.op != Op::Ref && n.op != Op::Range) continue;
        if (k >= textRefs_.size()) return nullptr;
        const Token& t = textRefs_[k++];
        n.a = t.a;
        if (n.op == Op::Range) {
            n.b = t.b;
            OrderCorners(n.a, n.b);  // as the parser puts them
        }
    }
    if (k != textRefs_.size()) return nullptr;
    return ast;
}

}  // namespace spread
