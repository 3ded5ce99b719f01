#include "file_format.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <tuple>

#include "fill_parser.h"
#include "parser.h"
#include "win/encoding.h"

namespace spread {

namespace {

constexpr const char* kMagic = "KMSHEET";
constexpr int kVersion = 1;

std::wstring Widen(std::string_view s) {
    for (unsigned char c : s)
        if (c >= 0x80) return WideFromUtf8(s);
    return std::wstring(s.begin(), s.end());
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
    std::vector<std::string_view> f;
    std::size_t p = 0;
    for (;;) {
        std::size_t q = line.find('\t', p);
        if (q == std::string_view::npos) { f.push_back(line.substr(p)); break; }
        f.push_back(line.substr(p, q - p));
        p = q + 1;
    }
    return f;
}

std::wstring Unescape(std::wstring_view s) {
    std::wstring out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == L'\\' && i + 1 < s.size()) {
            wchar_t n = s[++i];
            out += n == L't' ? L'\t' : n == L'n' ? L'\n' : n == L'r' ? L'\r' : n;
        } else {
            out += s[i];
        }
    }
    return out;
}

std::wstring Escape(std::wstring_view s) {
    std::wstring out;
    for (wchar_t c : s) {
        if (c == L'\\') out += L"\\\\";
        else if (c == L'\t') out += L"\\t";
        else if (c == L'\n') out += L"\\n";
        else if (c == L'\r') out += L"\\r";
        else out += c;
    }
    return out;
}

// Record text fields: "'" + escaped, or plain when nothing needs escaping.
std::wstring TextField(std::wstring_view s) {
    bool plain = s.find_first_of(L"\\\t\n\r") == std::wstring_view::npos && (s.empty() || s[0] != L'\'');
    return plain ? std::wstring(s) : L"'" + Escape(s);
}
std::wstring ReadTextField(std::wstring_view s) {
    if (!s.empty() && s[0] == L'\'') return Unescape(s.substr(1));
    return std::wstring(s);
}

std::string Narrow(const std::wstring& s) { return Utf8FromWide(s); }

std::wstring Color(COLORREF c) {
    if (c == SS_COLOR_DEFAULT) return L"default";
    wchar_t buf[16];
    std::swprintf(buf, 16, L"0x%06X", static_cast<unsigned>(c));
    return buf;
}

struct Reader {
    const std::wstring& name;
    std::wstring& error;
    std::size_t line = 0;

    bool Fail(const std::wstring& what) {
        error = name + L", line " + std::to_wstring(line) + L": " + what;
        return false;
    }
    bool Int(std::string_view s, long long lo, long long hi, long long& out) {
        if (s.empty() || s.size() > 19) return Fail(L"number expected");
        char* end = nullptr;
        std::string t(s);
        long long v = std::strtoll(t.c_str(), &end, 0);
        if (end != t.c_str() + t.size()) return Fail(L"number expected instead of \"" + Widen(s) + L"\"");
        if (v < lo || v > hi) return Fail(L"value " + Widen(s) + L" out of range");
        out = v;
        return true;
    }
    bool Num(std::string_view s, double& out) {
        if (!ParseNumber(Widen(s), out)) return Fail(L"number expected instead of \"" + Widen(s) + L"\"");
        return true;
    }
    bool Col(std::string_view s, COLORREF& out) {
        if (s == "default") { out = SS_COLOR_DEFAULT; return true; }
        long long v;
        if (!Int(s, 0, 0xFFFFFF, v)) return false;
        out = static_cast<COLORREF>(v);
        return true;
    }
    // C or R: number in 0..max, or "*" (-1).
    bool Index(std::string_view s, Coord max, Coord& out) {
        if (s == "*") { out = -1; return true; }
        long long v;
        if (!Int(s, 0, max, v)) return false;
        out = static_cast<Coord>(v);
        return true;
    }
};

struct PendingCell { Coord col, row; std::wstring text; bool formula; bool literal; std::size_t line; std::string_view raw = {}; };

}  // namespace

bool LoadSheet(std::string_view bytes, const std::wstring& name, Sheet& sh, std::wstring& error) {
    Reader rd{name, error};
    if (bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xEF && static_cast<unsigned char>(bytes[1]) == 0xBB &&
        static_cast<unsigned char>(bytes[2]) == 0xBF)
        bytes.remove_prefix(3);
    // Lines.
    std::vector<std::string_view> lines;
    for (std::size_t p = 0; p < bytes.size();) {
        std::size_t q = bytes.find('\n', p);
        std::string_view l = bytes.substr(p, q == std::string_view::npos ? std::string_view::npos : q - p);
        if (!l.empty() && l.back() == '\r') l.remove_suffix(1);
        lines.push_back(l);
        if (q == std::string_view::npos) break;
        p = q + 1;
    }
    bool versioned = !lines.empty() && lines[0].substr(0, 7) == kMagic &&
                     (lines[0].size() == 7 || lines[0][7] == '\t' || lines[0][7] == ' ');
    Coord cols = -1, rows = -1;
    std::size_t gridFirst = 0, gridEnd = lines.size(), recordsFirst = lines.size();
    if (versioned) {
        rd.line = 1;
        std::string_view v = lines[0].substr(7);
        while (!v.empty() && (v[0] == '\t' || v[0] == ' ')) v.remove_prefix(1);
        long long ver;
        if (!rd.Int(v, 1, 1000000, ver)) return false;
        if (ver > kVersion) return rd.Fail(L"version " + std::to_wstring(ver) + L" is newer than this program reads");
        std::size_t i = 1;
        for (; i < lines.size(); ++i) {
            rd.line = i + 1;
            if (lines[i].empty() || lines[i][0] == '#') continue;
            auto f = SplitTabs(lines[i]);
            if (f[0] == "grid" && f.size() == 1) break;
            if (f[0] == "size") {
                if (f.size() != 3) return rd.Fail(L"size needs a column and a row count");
                long long c, r;
                if (!rd.Int(f[1], 0, SS_LIMIT_MAXCOLS, c) || !rd.Int(f[2], 0, SS_LIMIT_MAXROWS, r)) return false;
                cols = static_cast<Coord>(c);
                rows = static_cast<Coord>(r);
                continue;
            }
            return rd.Fail(L"\"size\" or \"grid\" expected");
        }
        if (i >= lines.size()) { rd.line = lines.size(); return rd.Fail(L"\"grid\" missing"); }
        gridFirst = i + 1;
        for (i = gridFirst; i < lines.size() && lines[i] != "end"; ++i) {}
        if (i >= lines.size()) { rd.line = lines.size(); return rd.Fail(L"\"end\" of the grid missing"); }
        gridEnd = i;
        recordsFirst = i + 1;
    } else {
        // Trailing empty lines of a plain grid are not rows.
        while (gridEnd > 0 && lines[gridEnd - 1].empty()) --gridEnd;
    }

    // Grid: only measured here; its cells are written after the formats are known.
    Coord usedCols = 0, usedRows = 0;
    std::size_t fieldCount = 0, formulaCount = 0;
    for (std::size_t i = gridFirst; i < gridEnd; ++i) {
        rd.line = i + 1;
        Coord row = static_cast<Coord>(i - gridFirst + 1);
        if (row > SS_LIMIT_MAXROWS || (rows >= 0 && row > rows && !lines[i].empty())) return rd.Fail(L"more rows than the sheet has");
        if (lines[i].empty()) continue;
        std::string_view l = lines[i];
        std::size_t last = l.find_last_not_of('\t');
        if (last == std::string_view::npos) continue;
        Coord col = 1;
        if (l[0] == '=') ++formulaCount;
        for (std::size_t k = 0; k < last; ++k) {
            if (l[k] != '\t') continue;
            ++col, ++fieldCount;
            if (l[k + 1] == '=') ++formulaCount;
        }
        ++fieldCount;
        if (col > SS_LIMIT_MAXCOLS || (cols >= 0 && col > cols)) return rd.Fail(L"more columns than the sheet has");
        usedCols = std::max(usedCols, col);
        usedRows = row;
    }
    {
        // Settings a file does not name keep the values the control had before.
        SheetSettings keep = sh.settings;
        sh.Reset();
        sh.settings = keep;
    }
    // No calculation while the sheet fills (counts, formats, data, formulas): one full
    // calculation at the end. A file's own automatic-calculation setting is kept for then.
    bool autoCalc = sh.settings.bools[SSB_AUTOCALC];
    sh.settings.bools[SSB_AUTOCALC] = false;
    sh.SetMaxCols(cols >= 0 ? cols : std::max(usedCols, SS_DEFAULT_MAXCOLS));
    sh.SetMaxRows(rows >= 0 ? rows : std::max(usedRows, SS_DEFAULT_MAXROWS));
    Coord mc = sh.MaxCols(), mr = sh.MaxRows();

    // Records.
    std::map<std::tuple<int, Coord, Coord>, Style> layers;   // 0 default, 1 column, 2 row, 3 cell
    auto layer = [&](Coord c, Coord r) -> Style& {
        if (c < 0 && r < 0) return layers[{0, 0, 0}];
        if (r < 0) return layers[{1, c, 0}];
        if (c < 0) return layers[{2, 0, r}];
        return layers[{3, c, r}];
    };
    std::vector<PendingCell> formulas;
    struct Extra { Coord c, r; int which; std::wstring text; };
    std::vector<Extra> extras;
    for (std::size_t i = recordsFirst; i < lines.size(); ++i) {
        rd.line = i + 1;
        std::string_view l = lines[i];
        if (l.empty() || l[0] == '#') continue;
        auto f = SplitTabs(l);
        std::string_view k = f[0];
        auto need = [&](std::size_t n) {
            if (f.size() == n) return true;
            return rd.Fail(L"\"" + Widen(k) + L"\" needs " + std::to_wstring(n - 1) + L" fields");
        };
        Coord c = 0, r = 0;
        long long v = 0, v2 = 0;
        double d = 0, d2 = 0;
        if (k == "header" || k == "tag" || k == "note" || k == "tip" || k == "formula") {
            if (!need(4) || !rd.Index(f[1], mc, c) || !rd.Index(f[2], mr, r)) return false;
            if (c < 0 || r < 0) return rd.Fail(L"a cell is needed");
            std::wstring t = ReadTextField(Widen(f[3]));
            if (k == "header") {
                if (c != 0 && r != 0) return rd.Fail(L"headers are in row 0 or column 0");
                if (!sh.SetText(c, r, t)) return rd.Fail(L"bad header");
            } else if (k == "formula") {
                formulas.push_back({c, r, t, true, false, i + 1});
            } else {
                extras.push_back({c, r, k == "tag" ? 0 : (k == "note" ? 1 : 2), t});
            }
        } else if (k == "type") {
            if (f.size() < 4 || !rd.Index(f[1], mc, c) || !rd.Index(f[2], mr, r)) return f.size() < 4 ? rd.Fail(L"type needs a kind") : false;
            Style& s = layer(c, r);
            SS_CELLTYPEINFO t;
            std::string_view kind = f[3];
            auto text = [&](std::size_t j) { return ReadTextField(Widen(f[j])); };
            if (kind == "general") { if (!need(4)) return false; t.type = SS_TYPE_GENERAL; }
            else if (kind == "edit") {
                if (!need(6) || !rd.Int(f[4], 0, SS_LIMIT_CELL_TEXT, v) || !rd.Int(f[5], 0, 2, v2)) return false;
                t.type = SS_TYPE_EDIT; t.maxLength = static_cast<LONG>(v); t.caseMode = static_cast<short>(v2);
            } else if (kind == "number") {
                if (!need(8) || !rd.Int(f[4], 0, 15, v) || !rd.Num(f[5], d) || !rd.Num(f[6], d2) || !rd.Int(f[7], 0, 1, v2)) return false;
                t.type = SS_TYPE_NUMBER; t.decimals = static_cast<short>(v); t.minValue = d; t.maxValue = d2; t.separator = static_cast<BOOL>(v2);
            } else if (kind == "integer") {
                if (!need(6) || !rd.Num(f[4], d) || !rd.Num(f[5], d2)) return false;
                t.type = SS_TYPE_INTEGER; t.minValue = d; t.maxValue = d2;
            } else if (kind == "currency") {
                if (!need(7) || !rd.Int(f[4], 0, 15, v) || !rd.Int(f[6], 0, 1, v2)) return false;
                t.type = SS_TYPE_CURRENCY; t.decimals = static_cast<short>(v); t.text = text(5); t.separator = static_cast<BOOL>(v2);
            } else if (kind == "percent") {
                if (!need(5) || !rd.Int(f[4], 0, 15, v)) return false;
                t.type = SS_TYPE_PERCENT; t.decimals = static_cast<short>(v);
            } else if (kind == "checkbox") {
                if (!need(7)) return false;
                t.type = SS_TYPE_CHECKBOX; t.text = text(4); t.picture1 = text(5); t.picture2 = text(6);
            } else if (kind == "combo") {
                if (f.size() < 5 || !rd.Int(f[4], 0, 1, v)) return f.size() < 5 ? rd.Fail(L"combo needs EDITABLE") : false;
                t.type = SS_TYPE_COMBOBOX; t.editable = static_cast<BOOL>(v);
                for (std::size_t j = 5; j < f.size(); ++j) { if (j > 5) t.items += L'\t'; t.items += text(j); }
            } else if (kind == "button") {
                if (!need(5)) return false;
                t.type = SS_TYPE_BUTTON; t.text = text(4);
            } else if (kind == "static") { if (!need(4)) return false; t.type = SS_TYPE_STATIC; }
            else if (kind == "picture") {
                if (!need(6) || !rd.Int(f[4], -2147483647LL, 2147483647LL, v)) return false;
                t.type = SS_TYPE_PICTURE; t.style = static_cast<LONG>(v); t.picture1 = text(5);
            } else return rd.Fail(L"unknown cell type \"" + Widen(kind) + L"\"");
            s.type = t;
            s.has |= kGroupType;
        } else if (k == "lock") {
            if (!need(4) || !rd.Index(f[1], mc, c) || !rd.Index(f[2], mr, r) || !rd.Int(f[3], 0, 1, v)) return false;
            Style& s = layer(c, r); s.locked = v != 0; s.has |= kGroupLock;
        } else if (k == "color") {
            COLORREF b, fo;
            if (!need(5) || !rd.Index(f[1], mc, c) || !rd.Index(f[2], mr, r) || !rd.Col(f[3], b) || !rd.Col(f[4], fo)) return false;
            Style& s = layer(c, r); s.back = b; s.fore = fo; s.has |= kGroupColor;
        } else if (k == "font") {
            if (!need(7) || !rd.Index(f[1], mc, c) || !rd.Index(f[2], mr, r) || !rd.Int(f[4], 0, 1000, v)) return false;
            long long b, it;
            if (!rd.Int(f[5], 0, 1, b) || !rd.Int(f[6], 0, 1, it)) return false;
            Style& s = layer(c, r); s.fontName = ReadTextField(Widen(f[3])); s.fontSize = static_cast<int>(v);
            s.bold = b != 0; s.italic = it != 0; s.has |= kGroupFont;
        } else if (k == "border") {
            COLORREF col;
            if (!need(6) || !rd.Index(f[1], mc, c) || !rd.Index(f[2], mr, r) || !rd.Int(f[3], 0, 15, v) || !rd.Int(f[4], 0, 3, v2) || !rd.Col(f[5], col)) return false;
            Style& s = layer(c, r); s.borderSides = static_cast<WORD>(v); s.borderStyle = static_cast<WORD>(v2); s.borderColor = col; s.has |= kGroupBorder;
        } else if (k == "align") {
            if (!need(4) || !rd.Index(f[1], mc, c) || !rd.Index(f[2], mr, r) || !rd.Int(f[3], 0, 3, v)) return false;
            Style& s = layer(c, r); s.align = static_cast<short>(v); s.has |= kGroupAlign;
        } else if (k == "width" || k == "height") {
            bool w = k == "width";
            if (!need(3) || !rd.Index(f[1], w ? mc : mr, c) || !rd.Num(f[2], d)) return false;
            if (c < 0 || !(w ? sh.SetColWidth(c, d) : sh.SetRowHeight(c, d))) return rd.Fail(L"bad size");
        } else if (k == "hiddencol" || k == "hiddenrow") {
            bool col = k == "hiddencol";
            if (!need(2) || !rd.Index(f[1], col ? mc : mr, c) || c < 0) return c < 0 ? rd.Fail(L"an index is needed") : false;
            col ? sh.SetColHidden(c, true) : sh.SetRowHidden(c, true);
        } else if (k == "span") {
            if (!need(5) || !rd.Index(f[1], mc, c) || !rd.Index(f[2], mr, r) || !rd.Int(f[3], 1, mc, v) || !rd.Int(f[4], 1, mr, v2)) return false;
            if (!sh.AddSpan(c, r, static_cast<Coord>(v), static_cast<Coord>(v2))) return rd.Fail(L"span leaves the sheet or overlaps another");
        } else if (k == "bool") {
            if (!need(3) || !rd.Int(f[1], 0, SSB_COUNT - 1, v) || !rd.Int(f[2], 0, 1, v2)) return false;
            (v == SSB_AUTOCALC ? autoCalc : sh.settings.bools[v]) = v2 != 0;
        } else if (k == "refstyle" || k == "appearance" || k == "backcolorstyle" || k == "noteindicator" || k == "selectionmode") {
            if (!need(2) || !rd.Int(f[1], 0, 32767, v)) return false;
            short n = static_cast<short>(v);
            if (k == "refstyle") { if (n > 2) return rd.Fail(L"reference style 0, 1 or 2"); sh.settings.refStyle = n; }
            else if (k == "appearance") sh.settings.appearance = n;
            else if (k == "backcolorstyle") sh.settings.backColorStyle = n;
            else if (k == "noteindicator") sh.settings.noteIndicator = n;
            else sh.settings.selectionMode = n;
        } else if (k == "selcolor" || k == "shadowcolor" || k == "lockcolor") {
            COLORREF a, b;
            if (!need(3) || !rd.Col(f[1], a) || !rd.Col(f[2], b)) return false;
            if (k == "selcolor") { sh.settings.selBack = a; sh.settings.selFore = b; }
            else if (k == "shadowcolor") { sh.settings.shadow = a; sh.settings.shadowText = b; }
            else { sh.settings.lockBack = a; sh.settings.lockFore = b; }
        } else if (k == "gridcolor") {
            if (!need(2) || !rd.Col(f[1], sh.settings.gridColor)) return false;
        } else if (k == "texttip") {
            COLORREF a, b;
            if (!need(5) || !rd.Int(f[1], 0, 4, v) || !rd.Int(f[2], 0, 2147483647LL, v2) || !rd.Col(f[3], a) || !rd.Col(f[4], b)) return false;
            sh.settings.tipMode = static_cast<short>(v); sh.settings.tipDelay = static_cast<LONG>(v2);
            sh.settings.tipBack = a; sh.settings.tipFore = b;
        } else if (k == "actionkey") {
            long long s, ct, key;
            if (!need(5) || !rd.Int(f[1], 0, 2, v) || !rd.Int(f[2], 0, 1, s) || !rd.Int(f[3], 0, 1, ct) || !rd.Int(f[4], 0, 65535, key)) return false;
            sh.settings.actionKeys[v] = {static_cast<BOOL>(s), static_cast<BOOL>(ct), static_cast<WORD>(key)};
        } else if (k == "defaultfont") {
            if (!need(3) || !rd.Int(f[2], 0, 1000, v)) return false;
            sh.settings.fontName = ReadTextField(Widen(f[1]));
            sh.settings.fontSize = static_cast<int>(v);
        } else if (k == "active") {
            if (!need(3) || !rd.Index(f[1], mc, c) || !rd.Index(f[2], mr, r) || c < 0 || r < 0) return c < 0 || r < 0 ? rd.Fail(L"a cell is needed") : false;
            sh.activeCol = c; sh.activeRow = r;
        } else if (k == "selection") {
            Coord c2, r2;
            if (!need(5) || !rd.Index(f[1], mc, c) || !rd.Index(f[2], mr, r) || !rd.Index(f[3], mc, c2) || !rd.Index(f[4], mr, r2)) return false;
            sh.hasSelection = true;
            sh.selection = {c, r, c2, r2};
        } else {
            return rd.Fail(L"unknown record \"" + Widen(k) + L"\"");
        }
    }
    // Formats before data, so that data is read by its cell type.
    for (auto& [key, st] : layers) {
        auto [kind, c, r] = key;
        if (kind == 0) {
            Style def = sh.Styles().Get(sh.DefaultStyle());
            def.Take(st, st.has);
            sh.SetLayerStyle(0, 0, sh.Styles().Intern(def));
        } else if (kind == 3) {
            sh.SetCellStyleId(c, r, sh.Styles().Intern(st));
        } else {
            sh.SetLayerStyle(kind, kind == 1 ? c : r, sh.Styles().Intern(st));
        }
    }
    // Data of the grid, parsed in the sheet's A1 reference style.
    short refStyle = sh.settings.refStyle;
    sh.settings.refStyle = SS_REFSTYLE_A1;
    sh.Store().Reserve(fieldCount + sh.Store().Size());
    sh.ReserveFormulas(formulaCount + formulas.size());
    FillParser fill;
    std::wstring scratch;
    auto apply = [&](PendingCell& pc) {
        if (!pc.raw.empty()) {
            if (pc.formula) {
                pc.text = Widen(pc.raw.substr(1));
            } else if (pc.literal) {
                pc.text = Unescape(Widen(pc.raw.substr(1)));
            } else {
                // Plain data: widened into a reused buffer (no allocation per cell).
                bool ascii = true;
                for (unsigned char ch : pc.raw) ascii = ascii && ch < 0x80;
                if (ascii) scratch.assign(pc.raw.begin(), pc.raw.end());
                else scratch = Widen(pc.raw);
                Value val;
                if (!ParseForType(sh.TypeAt(pc.col, pc.row), scratch, val)) return rd.Fail(L"\"" + scratch + L"\" does not fit the cell's type");
                if (val.kind != Kind::Empty) sh.Store().SetValue(sh.Store().Get(pc.col, pc.row), val);
                return true;
            }
        }
        if (pc.formula) {
            std::wstring err;
            if (!sh.PutFormula(pc.col, pc.row, std::move(pc.text), &err, fill)) return rd.Fail(L"bad formula \"" + pc.text + L"\": " + err);
        } else {
            // Literal text stays text even where it reads as a number.
            Value val;
            if (!ParseForType(sh.TypeAt(pc.col, pc.row), pc.text, val)) return rd.Fail(L"\"" + pc.text + L"\" does not fit the cell's type");
            if (val.kind == Kind::Number && sh.TypeAt(pc.col, pc.row).type <= SS_TYPE_EDIT) val = Value::Text(pc.text);
            CellData& d = sh.Store().Get(pc.col, pc.row);
            sh.Store().SetValue(d, val);
            sh.Store().Compact(pc.col, pc.row);
        }
        return true;
    };
    for (std::size_t i = gridFirst; i < gridEnd; ++i) {
        rd.line = i + 1;
        std::string_view l = lines[i];
        Coord row = static_cast<Coord>(i - gridFirst + 1);
        Coord col = 1;
        for (std::size_t p = 0; p <= l.size(); ++col) {
            std::size_t q = l.find('\t', p);
            if (q == std::string_view::npos) q = l.size();
            if (q > p) {
                PendingCell pc{col, row, {}, false, false, i + 1, l.substr(p, q - p)};
                pc.formula = l[p] == '=';
                pc.literal = versioned && l[p] == '\'';
                if (!apply(pc)) return false;
            }
            p = q + 1;
        }
    }
    for (PendingCell& pc : formulas) {
        rd.line = pc.line;
        if (!apply(pc)) return false;
    }
    for (Extra& e : extras) sh.SetExtra(e.c, e.r, e.which, e.text);
    sh.settings.refStyle = refStyle;
    sh.RecalcAll();
    sh.settings.bools[SSB_AUTOCALC] = autoCalc;
    sh.settings.bools[SSB_CHANGEMADE] = false;
    return true;
}

namespace {

std::wstring IndexText(Coord i) { return i < 0 ? L"*" : std::to_wstring(i); }

void StyleRecords(std::wstring& out, const Style& s, Coord c, Coord r) {
    std::wstring at = L"\t" + IndexText(c) + L"\t" + IndexText(r);
    if (s.has & kGroupType) {
        const SS_CELLTYPEINFO& t = s.type;
        out += L"type" + at + L"\t";
        switch (t.type) {
        case SS_TYPE_EDIT: out += L"edit\t" + std::to_wstring(t.maxLength) + L"\t" + std::to_wstring(t.caseMode); break;
        case SS_TYPE_NUMBER:
            out += L"number\t" + std::to_wstring(t.decimals) + L"\t" + FormatNumber(t.minValue) + L"\t" + FormatNumber(t.maxValue) +
                   L"\t" + std::to_wstring(t.separator ? 1 : 0);
            break;
        case SS_TYPE_INTEGER: out += L"integer\t" + FormatNumber(t.minValue) + L"\t" + FormatNumber(t.maxValue); break;
        case SS_TYPE_CURRENCY:
            out += L"currency\t" + std::to_wstring(t.decimals) + L"\t" + TextField(t.text) + L"\t" + std::to_wstring(t.separator ? 1 : 0);
            break;
        case SS_TYPE_PERCENT: out += L"percent\t" + std::to_wstring(t.decimals); break;
        case SS_TYPE_CHECKBOX: out += L"checkbox\t" + TextField(t.text) + L"\t" + TextField(t.picture1) + L"\t" + TextField(t.picture2); break;
        case SS_TYPE_COMBOBOX: {
            out += L"combo\t" + std::to_wstring(t.editable ? 1 : 0);
            std::size_t p = 0;
            if (!t.items.empty()) {
                for (;;) {
                    std::size_t q = t.items.find(L'\t', p);
                    out += L"\t" + TextField(t.items.substr(p, q == std::wstring::npos ? std::wstring::npos : q - p));
                    if (q == std::wstring::npos) break;
                    p = q + 1;
                }
            }
            break;
        }
        case SS_TYPE_BUTTON: out += L"button\t" + TextField(t.text); break;
        case SS_TYPE_STATIC: out += L"static"; break;
        case SS_TYPE_PICTURE: out += L"picture\t" + std::to_wstring(t.style) + L"\t" + TextField(t.picture1); break;
        default: out += L"general"; break;
        }
        out += L"\n";
    }
    if (s.has & kGroupLock) out += L"lock" + at + L"\t" + (s.locked ? L"1" : L"0") + L"\n";
    if (s.has & kGroupColor) out += L"color" + at + L"\t" + Color(s.back) + L"\t" + Color(s.fore) + L"\n";
    if (s.has & kGroupFont)
        out += L"font" + at + L"\t" + TextField(s.fontName) + L"\t" + std::to_wstring(s.fontSize) + L"\t" + (s.bold ? L"1" : L"0") +
               L"\t" + (s.italic ? L"1" : L"0") + L"\n";
    if (s.has & kGroupBorder)
        out += L"border" + at + L"\t" + std::to_wstring(s.borderSides) + L"\t" + std::to_wstring(s.borderStyle) + L"\t" +
               Color(s.borderColor) + L"\n";
    if (s.has & kGroupAlign) out += L"align" + at + L"\t" + std::to_wstring(s.align) + L"\n";
}

}  // namespace

std::string SaveSheet(const Sheet& sh, bool dataOnly) {
    std::string out;
    out += std::string(kMagic) + "\t" + std::to_string(kVersion) + "\n";
    out += "size\t" + std::to_string(sh.MaxCols()) + "\t" + std::to_string(sh.MaxRows()) + "\n";
    out += "grid\n";
    std::wstring records;
    std::vector<std::uint64_t> keys = sh.Store().SortedKeys();
    Coord curRow = 1, curCol = 1;
    std::wstring line;
    auto flushRows = [&](Coord upTo) {
        while (curRow < upTo) {
            if (line == L"end") line = L"'end";
            out += Narrow(line);
            out += "\n";
            line.clear();
            ++curRow;
            curCol = 1;
        }
    };
    for (std::uint64_t k : keys) {
        Coord c = KeyCol(k), r = KeyRow(k);
        const CellData* d = sh.Store().Find(c, r);
        if (c == 0 || r == 0) {
            if (d->kind == Kind::Text) records += L"header\t" + std::to_wstring(c) + L"\t" + std::to_wstring(r) + L"\t" + TextField(sh.Store().Text(d->text)) + L"\n";
        }
        if (!dataOnly) {
            if (const CellExtra* e = sh.Extra(c, r)) {
                std::wstring at = L"\t" + std::to_wstring(c) + L"\t" + std::to_wstring(r) + L"\t";
                if (!e->tag.empty()) records += L"tag" + at + TextField(e->tag) + L"\n";
                if (!e->note.empty()) records += L"note" + at + TextField(e->note) + L"\n";
                if (!e->tip.empty()) records += L"tip" + at + TextField(e->tip) + L"\n";
            }
            if (d->style != 0) StyleRecords(records, sh.Styles().Get(d->style), c, r);
        }
        if (c == 0 || r == 0 || !d->hasContent()) continue;
        std::wstring field;
        if (d->formula != kNone) {
            // Formulas are saved in A1 form whatever the display style.
            std::wstring f = sh.FormulaText(c, r, false);
            if (f.find_first_of(L"\t\r\n") != std::wstring::npos) {
                records += L"formula\t" + std::to_wstring(c) + L"\t" + std::to_wstring(r) + L"\t" + TextField(f) + L"\n";
                continue;
            }
            field = L"=" + f;
        } else {
            Value v = sh.Store().GetValue(*d);
            if (v.kind == Kind::Logical) {
                field = PlainText(v);   // reads back as the text TRUE or FALSE
            } else if (v.kind == Kind::Number) {
                field = FormatNumber(v.num);
                // 15 digits may not hold every double: keep the exact value then.
                double back;
                if (!ParseNumber(field, back) || back != v.num) {
                    char buf[40];
                    std::snprintf(buf, sizeof buf, "%.17g", v.num);
                    field = Widen(buf);
                }
            } else {
                const std::wstring& t = v.text;
                Value reread;
                bool plain = !t.empty() && t[0] != L'=' && t[0] != L'\'' && t.find_first_of(L"\t\r\n") == std::wstring::npos &&
                             ParseForType(sh.TypeAt(c, r), t, reread) && reread.kind == Kind::Text && reread.text == t;
                field = plain ? t : L"'" + Escape(t);
            }
        }
        flushRows(r);
        while (curCol < c) { line += L'\t'; ++curCol; }
        line += field;
    }
    if (!line.empty()) flushRows(curRow + 1);
    out += "end\n";
    if (!dataOnly) {
        Style def = sh.Styles().Get(sh.DefaultStyle());
        Style plain;
        plain.has = kGroupAll;
        // Only groups that differ from a new sheet's default.
        Style diff = def;
        diff.has = 0;
        for (std::uint32_t g : {kGroupType, kGroupLock, kGroupColor, kGroupFont, kGroupBorder, kGroupAlign}) {
            Style a = def, b = plain;
            a.has = b.has = g;
            if (a.Key() != b.Key()) diff.has |= g;
        }
        StyleRecords(records, diff, -1, -1);
        std::map<Coord, std::uint32_t> colS(sh.ColStyles().begin(), sh.ColStyles().end());
        std::map<Coord, std::uint32_t> rowS(sh.RowStyles().begin(), sh.RowStyles().end());
        for (auto& [c, id] : colS) StyleRecords(records, sh.Styles().Get(id), c, -1);
        for (auto& [r, id] : rowS) StyleRecords(records, sh.Styles().Get(id), -1, r);
        for (auto& [c, w] : sh.ColWidths()) records += L"width\t" + std::to_wstring(c) + L"\t" + FormatNumber(w) + L"\n";
        for (auto& [r, h] : sh.RowHeights()) records += L"height\t" + std::to_wstring(r) + L"\t" + FormatNumber(h) + L"\n";
        for (Coord c : sh.HiddenCols()) records += L"hiddencol\t" + std::to_wstring(c) + L"\n";
        for (Coord r : sh.HiddenRows()) records += L"hiddenrow\t" + std::to_wstring(r) + L"\n";
        for (const Range& s : sh.Spans())
            records += L"span\t" + std::to_wstring(s.col1) + L"\t" + std::to_wstring(s.row1) + L"\t" + std::to_wstring(s.col2 - s.col1 + 1) +
                       L"\t" + std::to_wstring(s.row2 - s.row1 + 1) + L"\n";
        const SheetSettings& st = sh.settings;
        SheetSettings fresh;
        for (short i = 0; i < SSB_COUNT; ++i)
            if (i != SSB_CHANGEMADE && st.bools[i] != fresh.bools[i])
                records += L"bool\t" + std::to_wstring(i) + L"\t" + (st.bools[i] ? L"1" : L"0") + L"\n";
        records += L"refstyle\t" + std::to_wstring(st.refStyle) + L"\n";
        records += L"appearance\t" + std::to_wstring(st.appearance) + L"\n";
        records += L"backcolorstyle\t" + std::to_wstring(st.backColorStyle) + L"\n";
        records += L"noteindicator\t" + std::to_wstring(st.noteIndicator) + L"\n";
        records += L"selectionmode\t" + std::to_wstring(st.selectionMode) + L"\n";
        records += L"selcolor\t" + Color(st.selBack) + L"\t" + Color(st.selFore) + L"\n";
        records += L"gridcolor\t" + Color(st.gridColor) + L"\n";
        records += L"shadowcolor\t" + Color(st.shadow) + L"\t" + Color(st.shadowText) + L"\n";
        records += L"lockcolor\t" + Color(st.lockBack) + L"\t" + Color(st.lockFore) + L"\n";
        records += L"texttip\t" + std::to_wstring(st.tipMode) + L"\t" + std::to_wstring(st.tipDelay) + L"\t" + Color(st.tipBack) + L"\t" +
                   Color(st.tipFore) + L"\n";
        for (int a = 0; a < 3; ++a) {
            const auto& k = st.actionKeys[a];
            if (k.key || k.shift || k.ctrl)
                records += L"actionkey\t" + std::to_wstring(a) + L"\t" + std::to_wstring(k.shift ? 1 : 0) + L"\t" +
                           std::to_wstring(k.ctrl ? 1 : 0) + L"\t" + std::to_wstring(k.key) + L"\n";
        }
        records += L"defaultfont\t" + TextField(st.fontName) + L"\t" + std::to_wstring(st.fontSize) + L"\n";
        records += L"active\t" + std::to_wstring(sh.activeCol) + L"\t" + std::to_wstring(sh.activeRow) + L"\n";
        if (sh.hasSelection)
            records += L"selection\t" + IndexText(sh.selection.col1) + L"\t" + IndexText(sh.selection.row1) + L"\t" +
                       IndexText(sh.selection.col2) + L"\t" + IndexText(sh.selection.row2) + L"\n";
    }
    out += Narrow(records);
    return out;
}

}  // namespace spread
