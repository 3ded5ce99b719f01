#include "sheet.h"

#include <algorithm>
#include <cmath>

#include "fill_parser.h"
#include "parser.h"

namespace spread {

namespace {
constexpr double kDefaultColWidth = 9;
constexpr double kDefaultHeaderWidth = 4;
constexpr double kDefaultRowHeight = 12;
constexpr std::int64_t kMaxRectArea = 4000000;

// Formulas parsed lately, by text, reference style and cell: a sheet loaded and filled
// the same way again (a standard evaluated once per input row) shares their trees
// instead of parsing the same texts again. A tree is never changed once made (reference
// updates copy it), so sharing is safe. Kept by a hash of the key, the whole key
// compared on use; bounded: emptied when full.
struct ParsedFormula {
    std::wstring text;
    RefStyle style;
    std::shared_ptr<const Ast> ast;
};
constexpr std::size_t kMaxParsedFormulas = 8192;
constexpr std::size_t kMaxParsedFormulaChars = 4096;   // longer texts are parsed each time

std::unordered_map<std::size_t, ParsedFormula>& parsedFormulas() {
    static std::unordered_map<std::size_t, ParsedFormula> cache;
    return cache;
}

// Entries are checked against the whole text, so the key only needs to tell apart the
// formulas that usually meet: it mixes the place, the length and the first and last
// characters instead of hashing every character of long formulas.
std::size_t ParsedHash(std::wstring_view text, const RefStyle& st) {
    std::size_t h = 0xcbf29ce484222325ull;
    auto mix = [&h](std::size_t v) { h = (h ^ v) * 0x100000001B3ull; };
    constexpr std::size_t kEnds = 12;
    if (text.size() <= 2 * kEnds) {
        for (wchar_t c : text) mix(static_cast<std::size_t>(c));
    } else {
        for (std::size_t i = 0; i < kEnds; ++i) mix(static_cast<std::size_t>(text[i]));
        for (std::size_t i = text.size() - kEnds; i < text.size(); ++i) mix(static_cast<std::size_t>(text[i]));
    }
    for (std::size_t v : {text.size(), static_cast<std::size_t>(st.hostCol), static_cast<std::size_t>(st.hostRow),
                          static_cast<std::size_t>(st.maxCol), static_cast<std::size_t>(st.maxRow),
                          static_cast<std::size_t>(st.r1c1)})
        mix(v);
    return h;
}

bool SameStyle(const RefStyle& a, const RefStyle& b) {
    return a.r1c1 == b.r1c1 && a.hostCol == b.hostCol && a.hostRow == b.hostRow && a.maxCol == b.maxCol &&
           a.maxRow == b.maxRow;
}

std::shared_ptr<const Ast> RecentlyParsed(std::wstring_view text, const RefStyle& st) {
    if (text.size() > kMaxParsedFormulaChars) return nullptr;
    auto& cache = parsedFormulas();
    const auto it = cache.find(ParsedHash(text, st));
    if (it == cache.end() || it->second.text != text || !SameStyle(it->second.style, st)) return nullptr;
    return it->second.ast;
}

void RememberParsed(std::wstring_view text, const RefStyle& st, std::shared_ptr<const Ast> ast) {
    if (text.size() > kMaxParsedFormulaChars) return;
    auto& cache = parsedFormulas();
    if (cache.size() >= kMaxParsedFormulas) cache.clear();
    cache[ParsedHash(text, st)] = ParsedFormula{std::wstring(text), st, std::move(ast)};
}

}  // namespace

SheetSettings::SheetSettings() {
    for (short i : {SSB_ARROWSEXITEDITMODE, SSB_AUTOCALC, SSB_REDRAW, SSB_GRIDLINES, SSB_PROTECT, SSB_SHOWCOLHEADERS,
                    SSB_SHOWROWHEADERS, SSB_MOVEACTIVEONFOCUS, SSB_RETAINSELBLOCK})
        bools[i] = true;
}

void ForgetParsedFormulas() { parsedFormulas().clear(); }

std::wstring_view FormulaBody(std::wstring_view text) {
    std::wstring_view t = Trim(text);
    if (!t.empty() && t[0] == L'=') t.remove_prefix(1);
    return t;
}

void Sheet::Touch() {
    static std::uint64_t last = 0;
    changeStamp_ = ++last;
}

Sheet::Sheet() { Reset(); }
Sheet::~Sheet() = default;

void Sheet::Reset() {
    Touch();
    maxCols_ = SS_DEFAULT_MAXCOLS;
    maxRows_ = SS_DEFAULT_MAXROWS;
    store_.Clear();
    styles_.Clear();
    Style def;
    def.has = kGroupAll;
    defaultStyle_ = styles_.Intern(def);
    colStyle_.clear();
    rowStyle_.clear();
    extras_.clear();
    freeExtras_.clear();
    colWidths_.clear();
    rowHeights_.clear();
    hiddenCols_.clear();
    hiddenRows_.clear();
    spans_.clear();
    formulas_.clear();
    freeFormulas_.clear();
    deps_.Clear();
    volatiles_.clear();
    formulaCols_.clear();
    customs_.clear();
    NoteCustomsChanged();
    deferred_.clear();
    aggCache_.clear();
    indexCache_.clear();
    ++cacheGen_;
    settings = SheetSettings{};
    activeCol = activeRow = 1;
    hasSelection = false;
    selection = Range{};
    editing = false;
    editText.clear();
    editSelStart = editSelEnd = 0;
    buttonCol = buttonRow = 0;
}

void Sheet::CopyFrom(const Sheet& o) {
    Touch();
    if (&o == this) return;
    maxCols_ = o.maxCols_;
    maxRows_ = o.maxRows_;
    store_ = o.store_;
    styles_ = o.styles_;
    defaultStyle_ = o.defaultStyle_;
    colStyle_ = o.colStyle_;
    rowStyle_ = o.rowStyle_;
    extras_ = o.extras_;
    freeExtras_ = o.freeExtras_;
    colWidths_ = o.colWidths_;
    rowHeights_ = o.rowHeights_;
    hiddenCols_ = o.hiddenCols_;
    hiddenRows_ = o.hiddenRows_;
    spans_ = o.spans_;
    formulas_ = o.formulas_;
    freeFormulas_ = o.freeFormulas_;
    deps_ = o.deps_;
    formulaCols_ = o.formulaCols_;
    customs_ = o.customs_;
    NoteCustomsChanged();
    calcDepth_ = 0;
    deferred_.clear();
    aggCache_.clear();
    indexCache_.clear();
    ++cacheGen_;
    settings = o.settings;
    activeCol = o.activeCol;
    activeRow = o.activeRow;
    hasSelection = o.hasSelection;
    selection = o.selection;
    editing = o.editing;
    editText = o.editText;
    editSelStart = o.editSelStart;
    editSelEnd = o.editSelEnd;
    buttonCol = o.buttonCol;
    buttonRow = o.buttonRow;
}

// ---------------------------------------------------------------------------- counts

bool Sheet::SetMaxCols(Coord n) {
    Touch();
    if (n < 0 || n > SS_LIMIT_MAXCOLS) return false;
    if (n < maxCols_) {
        std::vector<std::uint64_t> gone;
        store_.ForEach([&](Coord c, Coord r, CellData&) { if (c > n) gone.push_back(CellKey(c, r)); });
        for (std::uint64_t k : gone) ErasePosition(KeyCol(k), KeyRow(k));
        for (auto it = colStyle_.begin(); it != colStyle_.end();) it = it->first > n ? colStyle_.erase(it) : std::next(it);
        spans_.erase(std::remove_if(spans_.begin(), spans_.end(), [n](const Range& s) { return s.col2 > n; }), spans_.end());
    }
    maxCols_ = n;
    ++cacheGen_;
    indexCache_.clear();  // cells beyond the new edge read differently
    if (AutoCalc() && !formulas_.empty()) RecalcAll();
    return true;
}

bool Sheet::SetMaxRows(Coord n) {
    Touch();
    if (n < 0 || n > SS_LIMIT_MAXROWS) return false;
    if (n < maxRows_) {
        std::vector<std::uint64_t> gone;
        store_.ForEach([&](Coord c, Coord r, CellData&) { if (r > n) gone.push_back(CellKey(c, r)); });
        for (std::uint64_t k : gone) ErasePosition(KeyCol(k), KeyRow(k));
        for (auto it = rowStyle_.begin(); it != rowStyle_.end();) it = it->first > n ? rowStyle_.erase(it) : std::next(it);
        spans_.erase(std::remove_if(spans_.begin(), spans_.end(), [n](const Range& s) { return s.row2 > n; }), spans_.end());
    }
    maxRows_ = n;
    ++cacheGen_;
    indexCache_.clear();  // cells beyond the new edge read differently
    if (AutoCalc() && !formulas_.empty()) RecalcAll();
    return true;
}

void Sheet::LastUsed(Coord& col, Coord& row) const {
    col = row = 0;
    const_cast<CellStore&>(store_).ForEach([&](Coord c, Coord r, CellData& d) {
        if (c < 1 || r < 1 || !d.hasContent()) return;
        if (c > col) col = c;
        if (r > row) row = r;
    });
}

// ---------------------------------------------------------------------------- contents

Value Sheet::GetCellValue(Coord col, Coord row) const {
    const CellData* c = store_.Find(col, row);
    return c ? store_.GetValue(*c) : Value{};
}

bool Sheet::HasFormula(Coord col, Coord row) const {
    const CellData* c = store_.Find(col, row);
    return c && c->formula != kNone;
}

std::wstring Sheet::FormulaText(Coord col, Coord row, bool r1c1) const {
    const CellData* c = store_.Find(col, row);
    if (!c || c->formula == kNone) return {};
    const Formula& f = formulas_[c->formula];
    if (f.textValid && f.textR1C1 == r1c1) return f.text;
    return RenderFormula(*f.ast, r1c1, col, row);
}

bool Sheet::GetText(Coord col, Coord row, int mode, std::wstring& out) const {
    out.clear();
    if (!Inside(col, row) || mode < 0 || mode > 3) return false;
    const CellData* c = store_.Find(col, row);
    if (mode == 2) {
        if (const CellExtra* e = Extra(col, row)) out = e->tag;
        return true;
    }
    if (mode == 1) {
        out = FormulaText(col, row);
        return true;
    }
    if (col == 0 || row == 0) {
        if (c && c->kind != Kind::Empty) out = PlainText(store_.GetValue(*c));
        else if (row == 0 && col > 0) out = ColumnLetters(col);
        else if (col == 0 && row > 0) out = std::to_wstring(row);
        return true;
    }
    if (!c) return true;
    Value v = store_.GetValue(*c);
    out = mode == 3 ? PlainText(v) : FormatForType(TypeAt(col, row), v);
    return true;
}

void Sheet::ErasePosition(Coord col, Coord row) {
    CellData* c = store_.Find(col, row);
    if (!c) return;
    DropFormula(*c);
    if (c->extra != kNone) {
        extras_[c->extra] = CellExtra{};
        freeExtras_.push_back(c->extra);
    }
    store_.Erase(col, row);
}

void Sheet::SetValueAt(Coord col, Coord row, const Value& v) { SetValueIn(store_.Get(col, row), col, row, v); }

void Sheet::SetValueIn(CellData& c, Coord col, Coord row, const Value& v) {
    DropFormula(c);
    store_.SetValue(c, v);
    if (v.kind == Kind::Empty) store_.Compact(col, row);
}

void Sheet::SetChangedValue(CellData* cell, Coord col, Coord row, const Value& v) {
    if (cell)
        SetValueIn(*cell, col, row, v);
    else
        SetValueAt(col, row, v);
    MarkChanged();
    AfterValueChange(col, row);
}

bool Sheet::SetText(Coord col, Coord row, std::wstring_view text) {
    if (!Inside(col, row)) return false;
    Value v;
    CellData* cell = nullptr;  // found once for its type and its new value
    if (col == 0 || row == 0) {
        if (!text.empty()) v.SetText(text);
    } else {
        cell = store_.Find(col, row);
        if (!ParseForType(TypeOf(cell, col, row), text, v)) return false;
    }
    SetChangedValue(cell, col, row, v);
    return true;
}

bool Sheet::SetNumberText(Coord col, Coord row, double n, std::wstring_view text) {
    if (!InsideCells(col, row)) return SetText(col, row, text);
    CellData* cell = store_.Find(col, row);
    const SS_CELLTYPEINFO& type = TypeOf(cell, col, row);
    Value v;
    if (type.type == SS_TYPE_GENERAL) {
        v.SetNumber(n);
    } else if (type.type == SS_TYPE_NUMBER || type.type == SS_TYPE_INTEGER || type.type == SS_TYPE_PERCENT) {
        if (!NumberForType(type, n, v)) return false;
    } else {
        return SetText(col, row, text);  // texts, currencies (their sign and symbol), the rest
    }
    SetChangedValue(cell, col, row, v);
    return true;
}

bool Sheet::SetNumber(Coord col, Coord row, double v) {
    if (!InsideCells(col, row) || std::isnan(v) || std::isinf(v)) return false;
    SetValueAt(col, row, Value::Number(v));
    MarkChanged();
    AfterValueChange(col, row);
    return true;
}

std::uint32_t Sheet::NewFormula() {
    if (!freeFormulas_.empty()) {
        std::uint32_t id = freeFormulas_.back();
        freeFormulas_.pop_back();
        formulas_[id] = Formula{};
        return id;
    }
    formulas_.emplace_back();
    return static_cast<std::uint32_t>(formulas_.size() - 1);
}

void Sheet::DropInstalledFormula(CellData& c) {
    std::uint32_t id = c.formula;
    Formula& f = formulas_[id];
    deps_.Remove(id, f);
    volatiles_.erase(id);
    auto it = formulaCols_.find(KeyCol(f.key));
    if (it != formulaCols_.end()) {
        it->second.Erase(KeyRow(f.key));
        if (it->second.Empty()) formulaCols_.erase(it);
    }
    f = Formula{};
    freeFormulas_.push_back(id);
    c.formula = kNone;
}

std::uint32_t Sheet::InstallFormula(Coord col, Coord row, std::shared_ptr<const Ast> ast, std::wstring text, bool textValid) {
    CellData& c = store_.Get(col, row);
    DropFormula(c);
    std::uint32_t id = NewFormula();
    Formula& f = formulas_[id];
    f.key = CellKey(col, row);
    f.ast = std::move(ast);
    f.text = std::move(text);
    f.textValid = textValid;
    f.textR1C1 = RefStyleR1C1();
    f.live = true;
    CollectPrecedents(f);
    deps_.Add(id, f);
    if (f.isVolatile) volatiles_.insert(id);
    formulaCols_[col].Insert(row);
    c.formula = id;   // nothing above adds or removes cells, so c still stands
    return id;
}

bool Sheet::PutFormula(Coord col, Coord row, std::wstring&& text, std::wstring* error, FillParser& fill) {
    if (!InsideCells(col, row)) {
        if (error) *error = L"cell outside the sheet";
        return false;
    }
    std::wstring_view body = text;
    if (!body.empty() && body[0] == L'=') body.remove_prefix(1);
    std::wstring err;
    std::shared_ptr<const Ast> ast = fill.Parse(body, ParseStyle(col, row), err);
    if (!ast) {
        if (error) *error = err;
        return false;
    }
    if (!text.empty() && text[0] == L'=') text.erase(0, 1);  // kept as Parse read it
    InstallFormula(col, row, std::move(ast), std::move(text), true);
    return true;
}

RefStyle Sheet::ParseStyle(Coord col, Coord row) const {
    RefStyle st;
    st.r1c1 = RefStyleR1C1();
    st.hostCol = col;
    st.hostRow = row;
    st.maxCol = SS_LIMIT_MAXCOLS;
    st.maxRow = SS_LIMIT_MAXROWS;
    return st;
}

std::shared_ptr<const Ast> Sheet::Parse(Coord col, Coord row, std::wstring_view text, std::wstring* error,
                                        bool shareParsed) const {
    if (!text.empty() && text[0] == L'=') text.remove_prefix(1);
    const RefStyle st = ParseStyle(col, row);
    if (std::shared_ptr<const Ast> ast = shareParsed ? RecentlyParsed(text, st) : nullptr) return ast;
    auto parsed = std::make_shared<Ast>();
    std::wstring err;
    if (!ParseFormula(text, st, *parsed, err)) {
        if (error) *error = err;
        return nullptr;
    }
    if (shareParsed) RememberParsed(text, st, parsed);
    return parsed;
}

struct PreparedFormula {
    Coord col = 0, row = 0;
    std::wstring text;  // the formula body as parsed
    RefStyle style;     // how it was read
    std::shared_ptr<const Ast> ast;
};

std::shared_ptr<const PreparedFormula> Sheet::Prepare(Coord col, Coord row, std::wstring_view text,
                                                      std::wstring* error) const {
    if (!InsideCells(col, row)) {
        if (error) *error = L"cell outside the sheet";
        return nullptr;
    }
    auto prepared = std::make_shared<PreparedFormula>();
    prepared->col = col;
    prepared->row = row;
    prepared->text = std::wstring(FormulaBody(text));
    prepared->style = ParseStyle(col, row);
    prepared->ast = Parse(col, row, prepared->text, error, true);
    if (!prepared->ast) return nullptr;
    return prepared;
}

bool Sheet::EvaluatePrepared(const PreparedFormula& prepared, int cellType, Value& out, std::wstring* error) {
    out.SetEmpty();
    if (!InsideCells(prepared.col, prepared.row)) {
        if (error) *error = L"cell outside the sheet";
        return false;
    }
    std::shared_ptr<const Ast> again;
    if (!SameStyle(ParseStyle(prepared.col, prepared.row), prepared.style)) {
        again = Parse(prepared.col, prepared.row, prepared.text, error, true);
        if (!again) return false;
    }
    EvaluateTree(prepared.col, prepared.row, again ? *again : *prepared.ast, cellType, out);
    return true;
}

bool Sheet::ParseAndInstall(Coord col, Coord row, std::wstring_view text, std::wstring* error, bool shareParsed) {
    if (!InsideCells(col, row)) {
        if (error) *error = L"cell outside the sheet";
        return false;
    }
    std::shared_ptr<const Ast> ast = Parse(col, row, text, error, shareParsed);
    if (!ast) return false;
    if (!text.empty() && text[0] == L'=') text.remove_prefix(1);  // kept as Parse read it
    InstallFormula(col, row, std::move(ast), std::wstring(text), true);
    return true;
}

bool Sheet::SetFormula(Coord col, Coord row, std::wstring_view text, std::wstring* error) {
    if (!InsideCells(col, row)) return false;
    std::wstring_view t = FormulaBody(text);
    if (Trim(t).empty()) {
        CellData* c = store_.Find(col, row);
        if (c && c->formula != kNone) {
            DropFormula(*c);
            store_.SetValue(*c, Value{});
            store_.Compact(col, row);
            MarkChanged();
            AfterValueChange(col, row);
        }
        return true;
    }
    // Keep the old contents when the new formula does not parse. A formula typed again as
    // before shares the tree parsed then (loading parses every formula afresh).
    if (!ParseAndInstall(col, row, t, error, true)) return false;
    MarkChanged();
    ++cacheGen_;
    std::uint32_t id = store_.Find(col, row)->formula;
    if (Calculating()) {
        EvaluateFormula(id);
        MarkDependents(col, row, deferred_);
        return true;
    }
    std::vector<std::uint32_t> pending{id};
    formulas_[id].state = 1;
    if (AutoCalc()) MarkDependents(col, row, pending);
    RunPass(pending);
    return true;
}

void Sheet::ForEachPosition(const Range& r0, bool includeEmpty, const std::function<void(Coord, Coord)>& f) {
    Range r = r0;
    std::int64_t area = static_cast<std::int64_t>(r.col2 - r.col1 + 1) * (r.row2 - r.row1 + 1);
    if (area <= 0) return;
    if (includeEmpty || area <= static_cast<std::int64_t>(store_.Size()) * 2) {
        for (Coord row = r.row1; row <= r.row2; ++row)
            for (Coord col = r.col1; col <= r.col2; ++col)
                if (includeEmpty || store_.Find(col, row)) f(col, row);
        return;
    }
    std::vector<std::uint64_t> keys;
    store_.ForEach([&](Coord c, Coord rr, CellData&) { if (r.contains(c, rr)) keys.push_back(CellKey(c, rr)); });
    std::sort(keys.begin(), keys.end());
    for (std::uint64_t k : keys) f(KeyCol(k), KeyRow(k));
}

namespace {
Range Normalize(Range r, Coord maxCols, Coord maxRows, Coord minIndex = 1) {
    if (r.col1 == SS_ALLCOLS || r.col2 == SS_ALLCOLS) { r.col1 = minIndex; r.col2 = maxCols; }
    if (r.row1 == SS_ALLROWS || r.row2 == SS_ALLROWS) { r.row1 = minIndex; r.row2 = maxRows; }
    if (r.col1 > r.col2) std::swap(r.col1, r.col2);
    if (r.row1 > r.row2) std::swap(r.row1, r.row2);
    r.col1 = std::max(r.col1, minIndex);
    r.row1 = std::max(r.row1, minIndex);
    r.col2 = std::min(r.col2, maxCols);
    r.row2 = std::min(r.row2, maxRows);
    return r;
}
}  // namespace

bool Sheet::ClearData(Range r) {
    r = Normalize(r, maxCols_, maxRows_);
    if (r.col1 > r.col2 || r.row1 > r.row2) return false;
    std::vector<std::uint64_t> changed;
    ForEachPosition(r, false, [&](Coord c, Coord rr) {
        CellData* d = store_.Find(c, rr);
        if (d && d->hasContent()) changed.push_back(CellKey(c, rr));
    });
    for (std::uint64_t k : changed) SetValueAt(KeyCol(k), KeyRow(k), Value{});
    if (!changed.empty()) {
        MarkChanged();
        ++cacheGen_;
        if (AutoCalc() && !NoDependents()) {
            std::vector<std::uint32_t> pending;
            for (std::uint64_t k : changed) MarkDependents(KeyCol(k), KeyRow(k), pending);
            RunPass(pending);
        }
    }
    return true;
}

bool Sheet::Clear(Range r) {
    Range n = Normalize(r, maxCols_, maxRows_);
    if (n.col1 > n.col2 || n.row1 > n.row2) return false;
    ClearData(n);
    std::vector<std::uint64_t> cells;
    ForEachPosition(n, false, [&](Coord c, Coord rr) { cells.push_back(CellKey(c, rr)); });
    for (std::uint64_t k : cells) {
        CellData* d = store_.Find(KeyCol(k), KeyRow(k));
        if (!d) continue;
        d->style = 0;
        if (d->extra != kNone) {
            extras_[d->extra] = CellExtra{};
            freeExtras_.push_back(d->extra);
            d->extra = kNone;
        }
        store_.Compact(KeyCol(k), KeyRow(k));
    }
    bool allRows = r.row1 == SS_ALLROWS || r.row2 == SS_ALLROWS;
    bool allCols = r.col1 == SS_ALLCOLS || r.col2 == SS_ALLCOLS;
    if (allRows) for (Coord c = n.col1; c <= n.col2 && !colStyle_.empty(); ++c) colStyle_.erase(c);
    if (allCols) for (Coord rr = n.row1; rr <= n.row2 && !rowStyle_.empty(); ++rr) rowStyle_.erase(rr);
    spans_.erase(std::remove_if(spans_.begin(), spans_.end(), [&](const Range& s) {
                     return s.col1 >= n.col1 && s.col2 <= n.col2 && s.row1 >= n.row1 && s.row2 <= n.row2;
                 }), spans_.end());
    MarkChanged();
    return true;
}

bool Sheet::CopyRange(Range src, Coord destCol, Coord destRow) {
    src = Normalize(src, maxCols_, maxRows_);
    if (src.col1 > src.col2 || src.row1 > src.row2) return false;
    Coord dc = destCol - src.col1, dr = destRow - src.row1;
    if (!InsideCells(destCol, destRow) || !InsideCells(src.col2 + dc, src.row2 + dr)) return false;
    struct Item { Coord col, row; Value v; std::shared_ptr<Ast> ast; std::uint32_t style; CellExtra extra; };
    std::vector<Item> items;
    ForEachPosition(src, false, [&](Coord c, Coord r) {
        const CellData* d = store_.Find(c, r);
        Item it{c + dc, r + dr, store_.GetValue(*d), nullptr, d->style, {}};
        if (d->extra != kNone) it.extra = extras_[d->extra];
        if (d->formula != kNone) {
            auto ast = std::make_shared<Ast>(*formulas_[d->formula].ast);
            for (Node& n : ast->nodes) {
                if (n.op != Op::Ref && n.op != Op::Range) continue;
                // A single reference has no second end to move (it would read as column 0).
                Ref* ends[2] = {&n.a, n.op == Op::Range ? &n.b : nullptr};
                for (Ref* rf : ends) {
                    if (!rf) continue;
                    if (!rf->colAbs) rf->col += dc;
                    if (!rf->rowAbs) rf->row += dr;
                    if (rf->col < 1 || rf->row < 1) n.refInvalid = true;
                }
            }
            it.ast = ast;
        }
        items.push_back(std::move(it));
    });
    // Destination first emptied so that the block arrives as it was.
    Range dst{src.col1 + dc, src.row1 + dr, src.col2 + dc, src.row2 + dr};
    Clear(dst);
    std::vector<std::uint32_t> pending;
    for (Item& it : items) {
        if (it.ast) {
            std::uint32_t id = InstallFormula(it.col, it.row, it.ast, L"", false);
            formulas_[id].state = 1;
            pending.push_back(id);
        } else {
            SetValueAt(it.col, it.row, it.v);
        }
        CellData& d = store_.Get(it.col, it.row);
        d.style = it.style;
        if (!it.extra.empty()) SetExtra(it.col, it.row, 0, it.extra.tag), SetExtra(it.col, it.row, 1, it.extra.note),
            SetExtra(it.col, it.row, 2, it.extra.tip);
        store_.Compact(it.col, it.row);
    }
    MarkChanged();
    ++cacheGen_;
    if (AutoCalc()) {
        for (Item& it : items) MarkDependents(it.col, it.row, pending);
    }
    RunPass(pending);
    return true;
}

// ---------------------------------------------------------------------------- formats

const SS_CELLTYPEINFO& Sheet::TypeAt(Coord col, Coord row) const { return TypeOf(store_.Find(col, row), col, row); }

const SS_CELLTYPEINFO& Sheet::TypeOf(const CellData* c, Coord col, Coord row) const {
    if (c && (styles_.Get(c->style).has & kGroupType)) return styles_.Get(c->style).type;
    if (!rowStyle_.empty()) {
        auto it = rowStyle_.find(row);
        if (it != rowStyle_.end() && (styles_.Get(it->second).has & kGroupType)) return styles_.Get(it->second).type;
    }
    if (!colStyle_.empty()) {
        auto it = colStyle_.find(col);
        if (it != colStyle_.end() && (styles_.Get(it->second).has & kGroupType)) return styles_.Get(it->second).type;
    }
    return styles_.Get(defaultStyle_).type;
}

Style Sheet::ResolveStyle(Coord col, Coord row) const {
    Style s = styles_.Get(defaultStyle_);
    auto it = colStyle_.find(col);
    if (it != colStyle_.end()) s.Take(styles_.Get(it->second), kGroupAll);
    it = rowStyle_.find(row);
    if (it != rowStyle_.end()) s.Take(styles_.Get(it->second), kGroupAll);
    if (const CellData* c = store_.Find(col, row)) s.Take(styles_.Get(c->style), kGroupAll);
    return s;
}

std::uint32_t Sheet::StripGroups(std::uint32_t id, std::uint32_t groups) {
    const Style& s = styles_.Get(id);
    if (!(s.has & groups)) return id;
    Style n = s;
    n.has &= ~groups;
    return styles_.Intern(n);
}

std::uint32_t Sheet::TakeGroups(std::uint32_t id, const Style& src, std::uint32_t groups) {
    return styles_.Derive(id, src, groups);
}

bool Sheet::ApplyStyle(Coord col, Coord row, Coord col2, Coord row2, const Style& src0, std::uint32_t groups) {
    Touch();
    Style src = src0;
    src.has = groups;
    bool allCols = col == SS_ALLCOLS || col2 == SS_ALLCOLS;
    bool allRows = row == SS_ALLROWS || row2 == SS_ALLROWS;
    std::unordered_map<std::uint32_t, std::uint32_t> memo;
    auto take = [&](std::uint32_t id) {
        auto it = memo.find(id);
        if (it != memo.end()) return it->second;
        std::uint32_t n = TakeGroups(id, src, groups);
        memo.emplace(id, n);
        return n;
    };
    auto stripCells = [&](const std::function<bool(Coord, Coord)>& pred) {
        std::vector<std::uint64_t> touched;
        store_.ForEach([&](Coord c, Coord r, CellData& d) {
            if (d.style != 0 && pred(c, r)) touched.push_back(CellKey(c, r));
        });
        for (std::uint64_t k : touched) {
            CellData* d = store_.Find(KeyCol(k), KeyRow(k));
            d->style = StripGroups(d->style, groups);
            store_.Compact(KeyCol(k), KeyRow(k));
        }
    };
    if (allCols && allRows) {
        defaultStyle_ = TakeGroups(defaultStyle_, src, groups);
        for (auto& [k, id] : colStyle_) id = StripGroups(id, groups);
        for (auto& [k, id] : rowStyle_) id = StripGroups(id, groups);
        stripCells([](Coord, Coord) { return true; });
        return true;
    }
    if (allRows) {
        Range r = Normalize({col, 0, col2, 0}, maxCols_, maxRows_, 0);
        if (r.col1 > r.col2) return false;
        for (Coord c = r.col1; c <= r.col2; ++c) colStyle_[c] = take(colStyle_.count(c) ? colStyle_[c] : 0);
        stripCells([&](Coord c, Coord) { return c >= r.col1 && c <= r.col2; });
        // Rows with their own format still meet the new column format at the crossing.
        for (auto& [rr, id] : rowStyle_) {
            if (!(styles_.Get(id).has & groups)) continue;
            for (Coord c = r.col1; c <= r.col2; ++c) {
                CellData& d = store_.Get(c, rr);
                d.style = TakeGroups(d.style, src, groups);
            }
        }
        return true;
    }
    if (allCols) {
        Range r = Normalize({0, row, 0, row2}, maxCols_, maxRows_, 0);
        if (r.row1 > r.row2) return false;
        for (Coord rr = r.row1; rr <= r.row2; ++rr) rowStyle_[rr] = take(rowStyle_.count(rr) ? rowStyle_[rr] : 0);
        stripCells([&](Coord, Coord rr) { return rr >= r.row1 && rr <= r.row2; });
        return true;
    }
    if (col > col2) std::swap(col, col2);
    if (row > row2) std::swap(row, row2);
    if (!Inside(col, row) || !Inside(col2, row2)) return false;
    if (static_cast<std::int64_t>(col2 - col + 1) * (row2 - row + 1) > kMaxRectArea) return false;
    if (col == col2 && row == row2) {  // one cell (the common case): no memo to build
        // A cell given the type it has already stays as it is (a value written again).
        if (groups == kGroupType) {
            const CellData* c = store_.Find(col, row);
            if (c && (styles_.Get(c->style).has & kGroupType) && SameTypeInfo(styles_.Get(c->style).type, src.type))
                return true;
        }
        CellData& d = store_.Get(col, row);
        d.style = TakeGroups(d.style, src, groups);
        store_.Compact(col, row);
        return true;
    }
    for (Coord r = row; r <= row2; ++r)
        for (Coord c = col; c <= col2; ++c) {
            CellData& d = store_.Get(c, r);
            d.style = take(d.style);
            store_.Compact(c, r);
        }
    return true;
}

void Sheet::SetLayerStyle(int layer, Coord index, std::uint32_t id) {
    Touch();
    if (layer == 0) defaultStyle_ = id;
    else if (layer == 1) colStyle_[index] = id;
    else rowStyle_[index] = id;
}

void Sheet::SetCellStyleId(Coord col, Coord row, std::uint32_t id) {
    Touch();
    store_.Get(col, row).style = id;
    store_.Compact(col, row);
}

CellExtra* Sheet::Extra(Coord col, Coord row) {
    CellData* c = store_.Find(col, row);
    return c && c->extra != kNone ? &extras_[c->extra] : nullptr;
}

const CellExtra* Sheet::Extra(Coord col, Coord row) const {
    const CellData* c = store_.Find(col, row);
    return c && c->extra != kNone ? &extras_[c->extra] : nullptr;
}

bool Sheet::SetExtra(Coord col, Coord row, int which, std::wstring_view text) {
    if (!Inside(col, row)) return false;
    CellData* c = store_.Find(col, row);
    if (!c && text.empty()) return true;
    CellData& d = store_.Get(col, row);
    if (d.extra == kNone) {
        if (!freeExtras_.empty()) { d.extra = freeExtras_.back(); freeExtras_.pop_back(); }
        else { d.extra = static_cast<std::uint32_t>(extras_.size()); extras_.emplace_back(); }
    }
    CellExtra& e = extras_[d.extra];
    (which == 0 ? e.tag : which == 1 ? e.note : e.tip) = std::wstring(text);
    if (e.empty()) {
        freeExtras_.push_back(d.extra);
        d.extra = kNone;
        store_.Compact(col, row);
    }
    return true;
}

double Sheet::ColWidth(Coord col) const {
    auto it = colWidths_.find(col);
    return it != colWidths_.end() ? it->second : (col == 0 ? kDefaultHeaderWidth : kDefaultColWidth);
}
double Sheet::RowHeight(Coord row) const {
    auto it = rowHeights_.find(row);
    return it != rowHeights_.end() ? it->second : kDefaultRowHeight;
}
bool Sheet::SetColWidth(Coord col, double w) {
    if (col < 0 || col > maxCols_ || !(w >= 0) || w > 10000) return false;
    colWidths_[col] = w;
    return true;
}
bool Sheet::SetRowHeight(Coord row, double h) {
    if (row < 0 || row > maxRows_ || !(h >= 0) || h > 10000) return false;
    rowHeights_[row] = h;
    return true;
}
bool Sheet::SetColHidden(Coord col, bool h) {
    if (col < 0 || col > maxCols_) return false;
    if (h) hiddenCols_.insert(col); else hiddenCols_.erase(col);
    return true;
}
bool Sheet::SetRowHidden(Coord row, bool h) {
    if (row < 0 || row > maxRows_) return false;
    if (h) hiddenRows_.insert(row); else hiddenRows_.erase(row);
    return true;
}

// ---------------------------------------------------------------------------- spans

bool Sheet::AddSpan(Coord col, Coord row, Coord nCols, Coord nRows) {
    if (nCols < 1 || nRows < 1 || !InsideCells(col, row)) return false;
    Range s{col, row, col + nCols - 1, row + nRows - 1};
    if (s.col2 > maxCols_ || s.row2 > maxRows_) return false;
    for (const Range& o : spans_)
        if (!(s.col2 < o.col1 || o.col2 < s.col1 || s.row2 < o.row1 || o.row2 < s.row1)) return false;
    spans_.push_back(s);
    return true;
}

const Range* Sheet::SpanAt(Coord col, Coord row) const {
    for (const Range& s : spans_)
        if (s.contains(col, row)) return &s;
    return nullptr;
}

void Sheet::RemoveSpan(Coord col, Coord row) {
    spans_.erase(std::remove_if(spans_.begin(), spans_.end(), [&](const Range& s) { return s.contains(col, row); }), spans_.end());
}

// ---------------------------------------------------------------------------- customs

bool Sheet::AddCustom(std::wstring_view name, short minArgs, short maxArgs, SS_CALCFUNC func, LONG flags) {
    Touch();
    if (name.empty() || !func || minArgs < 0 || (maxArgs >= 0 && maxArgs < minArgs) || maxArgs > SS_LIMIT_FUNC_ARGS) return false;
    wchar_t c0 = name[0];
    if (!((c0 >= L'A' && c0 <= L'Z') || (c0 >= L'a' && c0 <= L'z'))) return false;
    for (wchar_t c : name)
        if (!((c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || (c >= L'0' && c <= L'9') || c == L'_' || c == L'.')) return false;
    CustomFunction f{std::wstring(name), minArgs, maxArgs < 0 ? static_cast<short>(-1) : maxArgs, func, flags};
    customs_[Upper(name)] = f;
    NoteCustomsChanged();
    return true;
}

bool Sheet::RemoveCustom(std::wstring_view name) {
    Touch();
    const bool removed = customs_.erase(Upper(name)) != 0;
    NoteCustomsChanged();
    return removed;
}

void Sheet::ClearCustoms() {
    Touch();
    customs_.clear();
    NoteCustomsChanged();
}

void Sheet::NoteCustomsChanged() {
    for (FoundCustom& f : foundCustoms_) f.function = nullptr;
    customShadowsBuiltin_ = false;
    for (const auto& entry : customs_)
        if (FindBuiltin(entry.first) >= 0) customShadowsBuiltin_ = true;
}

const CustomFunction* Sheet::FindCustom(const std::wstring& upperName) const {
    if (customs_.empty()) return nullptr;
    for (const FoundCustom& f : foundCustoms_)
        if (f.function && f.upperName == upperName) return f.function;
    auto it = customs_.find(upperName);
    if (it == customs_.end()) return nullptr;
    FoundCustom& slot = foundCustoms_[nextFoundCustom_++ % std::size(foundCustoms_)];
    slot.upperName = upperName;
    slot.function = &it->second;
    return slot.function;
}

std::size_t Sheet::MemoryBytes() const {
    std::size_t b = sizeof(*this) + store_.MemoryBytes() + formulas_.capacity() * sizeof(Formula) +
                    extras_.capacity() * sizeof(CellExtra);
    for (const Formula& f : formulas_)
        if (f.ast) b += f.ast->nodes.capacity() * sizeof(Node) + f.text.capacity() * sizeof(wchar_t);
    return b;
}

}  // namespace spread
