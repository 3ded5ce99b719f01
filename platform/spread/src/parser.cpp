#include "parser.h"

#include <utility>

#include "functions.h"
#include "spread/ss_api.h"

namespace spread {

int BinaryPrecedence(Op op) {
    switch (op) {
    case Op::Eq: case Op::Ne: case Op::Lt: case Op::Le: case Op::Gt: case Op::Ge: return 1;
    case Op::Cat: return 2;
    case Op::Add: case Op::Sub: return 3;
    case Op::Mul: case Op::Div: return 4;
    case Op::Pow: return 5;
    default: return 0;
    }
}

const wchar_t* OperatorText(Op op) {
    switch (op) {
    case Op::Add: return L"+";
    case Op::Sub: return L"-";
    case Op::Mul: return L"*";
    case Op::Div: return L"/";
    case Op::Pow: return L"^";
    case Op::Cat: return L"&";
    case Op::Eq: return L"=";
    case Op::Ne: return L"<>";
    case Op::Lt: return L"<";
    case Op::Le: return L"<=";
    case Op::Gt: return L">";
    case Op::Ge: return L">=";
    case Op::Neg: return L"-";
    case Op::Pos: return L"+";
    case Op::Pct: return L"%";
    default: return L"";
    }
}

namespace {

constexpr int kUnaryPrec = 7;

struct StackItem {
    enum Kind { Operator, Paren, Func } kind = Operator;
    Op op = Op::Add;
    int prec = 0;
    // Func frames
    std::uint16_t argc = 0;
    std::uint32_t name = 0;
    std::int32_t fn = -1;
    bool isIf = false;
    std::size_t ifJump = 0, jump = 0;
};

Op BinaryOp(const std::wstring& t) {
    if (t == L"+") return Op::Add;
    if (t == L"-") return Op::Sub;
    if (t == L"*") return Op::Mul;
    if (t == L"/") return Op::Div;
    if (t == L"^") return Op::Pow;
    if (t == L"&") return Op::Cat;
    if (t == L"=") return Op::Eq;
    if (t == L"<>") return Op::Ne;
    if (t == L"<") return Op::Lt;
    if (t == L"<=") return Op::Le;
    if (t == L">") return Op::Gt;
    return Op::Ge;
}

class Parser {
public:
    Parser(Ast& out, std::wstring& error, std::vector<StackItem>& stack) : ast_(out), error_(error), stack_(stack) {
        stack_.clear();
    }

    bool Run(const std::vector<Token>& toks) {
        bool expectOperand = true;
        int depth = 0;
        for (std::size_t i = 0; i < toks.size(); ++i) {
            const Token& t = toks[i];
            if (expectOperand) {
                switch (t.kind) {
                case Tok::Number: Emit(Op::Num).num = t.num; expectOperand = false; break;
                case Tok::String: { Node& n = Emit(Op::Str); n.str = AddString(t.text); expectOperand = false; break; }
                case Tok::Error: Emit(Op::Error).err = t.err; expectOperand = false; break;
                case Tok::Ref: Emit(Op::Ref).a = t.a; expectOperand = false; break;
                case Tok::Range: {
                    Node& n = Emit(Op::Range);
                    n.a = t.a;
                    n.b = t.b;
                    OrderCorners(n.a, n.b);
                    expectOperand = false;
                    break;
                }
                case Tok::Name: {
                    if (i + 1 < toks.size() && toks[i + 1].kind == Tok::LParen) {
                        if (++depth > SS_LIMIT_FORMULA_DEPTH) return Fail(t, L"formula nests too deeply");
                        StackItem f;
                        f.kind = StackItem::Func;
                        std::wstring up = Upper(t.text);
                        f.fn = FindBuiltin(up);
                        f.isIf = (up == L"IF");
                        f.name = AddString(up);
                        stack_.push_back(f);
                        ++i;   // the "("
                        break;  // still expecting an operand (or ")")
                    }
                    std::wstring up = Upper(t.text);
                    if (up == L"TRUE" || up == L"FALSE") {
                        Emit(Op::Bool).num = (up == L"TRUE") ? 1 : 0;
                    } else {
                        Emit(Op::Name).str = AddString(t.text);
                    }
                    expectOperand = false;
                    break;
                }
                case Tok::LParen: {
                    if (++depth > SS_LIMIT_FORMULA_DEPTH) return Fail(t, L"formula nests too deeply");
                    StackItem p;
                    p.kind = StackItem::Paren;
                    stack_.push_back(p);
                    break;
                }
                case Tok::Op:
                    if (t.text == L"-" || t.text == L"+") {
                        StackItem u;
                        u.op = t.text == L"-" ? Op::Neg : Op::Pos;
                        u.prec = kUnaryPrec;
                        stack_.push_back(u);
                        break;
                    }
                    return Fail(t, L"operand expected");
                case Tok::Comma:
                    if (!InFunc()) return Fail(t, L"unexpected separator");
                    if (AfterOperator()) return Fail(t, L"operand expected");
                    Emit(Op::Missing);
                    if (!Separator(t)) return false;
                    break;
                case Tok::RParen:
                    if (AfterOperator()) return Fail(t, L"operand expected");
                    if (!stack_.empty() && stack_.back().kind == StackItem::Func && stack_.back().argc > 0) {
                        Emit(Op::Missing);
                    } else if (stack_.empty() || stack_.back().kind != StackItem::Func) {
                        return Fail(t, L"operand expected");
                    }
                    if (!Close(t, true)) return false;
                    --depth;
                    expectOperand = false;
                    break;
                }
            } else {
                switch (t.kind) {
                case Tok::Op:
                    if (t.text == L"%") {
                        PopAbove(kUnaryPrec - 1);
                        Emit(Op::Pct);
                        break;
                    } else {
                        Op op = BinaryOp(t.text);
                        int prec = BinaryPrecedence(op);
                        PopAbove(prec - 1);   // left-associative: pop equal precedence too
                        StackItem s;
                        s.op = op;
                        s.prec = prec;
                        stack_.push_back(s);
                        expectOperand = true;
                        break;
                    }
                case Tok::Comma:
                    if (!InFunc()) return Fail(t, L"unexpected separator");
                    if (!Separator(t)) return false;
                    expectOperand = true;
                    break;
                case Tok::RParen:
                    if (!Close(t, false)) return false;
                    --depth;
                    break;
                default:
                    return Fail(t, L"operator expected");
                }
            }
            if (ast_.nodes.size() > static_cast<std::size_t>(SS_LIMIT_FORMULA_LEN) * 4) return Fail(t, L"formula too long");
        }
        if (expectOperand) {
            error_ = toks.empty() ? L"empty formula" : L"formula ends without an operand";
            return false;
        }
        PopAbove(0);
        if (!stack_.empty()) {
            error_ = L"missing \")\"";
            return false;
        }
        return true;
    }

private:
    Node& Emit(Op op) {
        ast_.nodes.emplace_back();
        ast_.nodes.back().op = op;
        return ast_.nodes.back();
    }
    std::uint32_t AddString(const std::wstring& s) {
        ast_.strings.push_back(s);
        return static_cast<std::uint32_t>(ast_.strings.size() - 1);
    }
    // An operator waits for its operand: "1+," or "-)" must not read as an empty argument.
    bool AfterOperator() const { return !stack_.empty() && stack_.back().kind == StackItem::Operator; }
    bool InFunc() const {
        for (auto it = stack_.rbegin(); it != stack_.rend(); ++it) {
            if (it->kind == StackItem::Func) return true;
            if (it->kind == StackItem::Paren) return false;
        }
        return false;
    }
    // Pops operators with precedence above minPrec to the output.
    void PopAbove(int minPrec) {
        while (!stack_.empty() && stack_.back().kind == StackItem::Operator && stack_.back().prec > minPrec) {
            Emit(stack_.back().op);
            stack_.pop_back();
        }
    }
    bool Separator(const Token& t) {
        PopAbove(0);
        StackItem& f = stack_.back();
        if (f.argc + 1 >= SS_LIMIT_FUNC_ARGS) return Fail(t, L"too many arguments");
        if (f.isIf) {
            if (f.argc == 0) {
                f.ifJump = ast_.nodes.size();
                Emit(Op::IfJump);
            } else if (f.argc == 1) {
                f.jump = ast_.nodes.size();
                Emit(Op::Jump);
                ast_.nodes[f.ifJump].target = static_cast<std::uint32_t>(ast_.nodes.size());
            } else {
                return Fail(t, L"IF takes 2 or 3 arguments");
            }
        }
        ++f.argc;
        return true;
    }
    bool Close(const Token& t, bool emptyArgs) {
        PopAbove(0);
        if (stack_.empty()) return Fail(t, L"unbalanced \")\"");
        StackItem f = stack_.back();
        stack_.pop_back();
        if (f.kind == StackItem::Paren) {
            Emit(Op::Paren);
            return true;
        }
        std::uint16_t argc = emptyArgs && f.argc == 0 ? 0 : static_cast<std::uint16_t>(f.argc + 1);
        if (f.isIf) {
            if (argc == 2) {
                // The true branch jumps over the implicit FALSE, as the middle separator does
                // for three arguments; an error condition leaves through this jump too.
                f.jump = ast_.nodes.size();
                Emit(Op::Jump);
                ast_.nodes[f.ifJump].target = static_cast<std::uint32_t>(ast_.nodes.size());
                Emit(Op::ImplicitFalse);
            } else if (argc != 3) {
                return Fail(t, L"IF takes 2 or 3 arguments");
            }
            ast_.nodes[f.jump].target = static_cast<std::uint32_t>(ast_.nodes.size());
        }
        Node& n = Emit(Op::Call);
        n.argc = argc;
        n.fn = f.fn;
        n.str = f.name;
        return true;
    }
    bool Fail(const Token& t, const wchar_t* what) {
        error_ = std::wstring(what) + L" at position " + std::to_wstring(t.pos + 1);
        return false;
    }

    Ast& ast_;
    std::wstring& error_;
    std::vector<StackItem>& stack_;
};

}  // namespace

bool ParseFormula(std::wstring_view text, const RefStyle& style, Ast& out, std::wstring& error,
                  std::vector<Token>* refTokens) {
    out = Ast{};
    if (text.size() > static_cast<std::size_t>(SS_LIMIT_FORMULA_LEN)) {
        error = L"formula longer than " + std::to_wstring(SS_LIMIT_FORMULA_LEN) + L" characters";
        return false;
    }
    // One token buffer and one operator stack for every parse: loading a sheet parses
    // formula after formula.
    static thread_local std::vector<Token> toks;
    static thread_local std::vector<StackItem> stack;
    if (!Tokenize(text, style, toks, error)) return false;
    out.nodes.reserve(toks.size() + 1);
    Parser p(out, error, stack);
    if (!p.Run(toks)) {
        out = Ast{};
        return false;
    }
    if (refTokens) {
        refTokens->clear();
        for (const Token& t : toks)
            if (t.kind == Tok::Ref || t.kind == Tok::Range) refTokens->push_back(t);
    }
    return true;
}

std::wstring RenderFormula(const Ast& ast, bool r1c1, Coord hostCol, Coord hostRow) {
    struct Piece { std::wstring text; int prec; };   // prec: binding of the piece's top operator
    std::vector<Piece> st;
    auto refText = [&](const Node& n, const Ref& r) -> std::wstring {
        if (n.refInvalid) return L"#REF!";
        return r1c1 ? RefTextR1C1(r, hostCol, hostRow) : RefTextA1(r);
    };
    for (const Node& n : ast.nodes) {
        switch (n.op) {
        case Op::Num: st.push_back({FormatNumber(n.num), 100}); break;
        case Op::Bool: st.push_back({n.num != 0 ? L"TRUE" : L"FALSE", 100}); break;
        case Op::Str: {
            std::wstring s = L"\"";
            for (wchar_t c : ast.strings[n.str]) { if (c == L'"') s += L'"'; s += c; }
            s += L'"';
            st.push_back({std::move(s), 100});
            break;
        }
        case Op::Error: st.push_back({ErrorText(n.err), 100}); break;
        case Op::Ref: st.push_back({refText(n, n.a), 100}); break;
        case Op::Range: {
            bool wholeCol = !r1c1 && n.a.row == 1 && n.a.rowAbs && n.b.rowAbs && n.b.row >= SS_LIMIT_MAXROWS;
            if (wholeCol && !n.refInvalid) {
                std::wstring s = (n.a.colAbs ? L"$" : L"") + ColumnLetters(n.a.col) + L":" + (n.b.colAbs ? L"$" : L"") + ColumnLetters(n.b.col);
                st.push_back({s, 100});
            } else if (n.refInvalid) {
                st.push_back({L"#REF!", 100});
            } else {
                st.push_back({refText(n, n.a) + L":" + refText(n, n.b), 100});
            }
            break;
        }
        case Op::Name: st.push_back({ast.strings[n.str], 100}); break;
        case Op::Missing: st.push_back({L"", 100}); break;
        case Op::ImplicitFalse: case Op::IfJump: case Op::Jump: break;
        case Op::Neg: case Op::Pos: st.back().text.insert(0, OperatorText(n.op)); st.back().prec = kUnaryPrec; break;
        case Op::Pct: st.back().text += L'%'; st.back().prec = kUnaryPrec; break;
        case Op::Paren: st.back().text = L"(" + st.back().text + L")"; st.back().prec = 100; break;
        case Op::Call: {
            std::size_t first = st.size() - n.argc;
            std::wstring s = ast.strings[n.str] + L"(";
            for (std::size_t i = first; i < st.size(); ++i) {
                if (i > first) s += L',';
                s += st[i].text;
            }
            s += L')';
            st.resize(first);
            st.push_back({std::move(s), 100});
            break;
        }
        default: {   // binary
            Piece rhs = std::move(st.back());
            st.pop_back();
            st.back().text += OperatorText(n.op);
            st.back().text += rhs.text;
            st.back().prec = BinaryPrecedence(n.op);
            break;
        }
        }
    }
    return st.empty() ? std::wstring() : st.back().text;
}

}  // namespace spread
