// Calculation order: pending formulas are calculated after the pending formulas they read,
// found by an explicit-stack depth-first walk (no recursion, so chains of any length are
// safe); a formula met again while on the walk closes a cycle, and every formula of that
// cycle gets #CIRC!.
#include <algorithm>

#include "evaluator.h"
#include "sheet.h"

namespace spread {

namespace {

// Cells of a number type hold numbers: a logical result is stored as 1 or 0 there.
void AsCellHolds(int cellType, Value& v) {
    if (v.kind == Kind::Logical &&
        (cellType == SS_TYPE_NUMBER || cellType == SS_TYPE_INTEGER || cellType == SS_TYPE_CURRENCY ||
         cellType == SS_TYPE_PERCENT || cellType == SS_TYPE_CHECKBOX))
        v.kind = Kind::Number;  // its number, 1 or 0
}

}  // namespace

void Sheet::FormulasInRange(const Range& r0, std::vector<std::uint32_t>& out) const {
    Range r = r0;
    r.col2 = std::min(r.col2, maxCols_);
    r.row2 = std::min(r.row2, maxRows_);
    if (r.col1 > r.col2 || r.row1 > r.row2) return;
    auto scanCol = [&](Coord c, const SortedRows& rows) {
        for (auto it = rows.From(r.row1); it != rows.End() && *it <= r.row2; ++it) {
            const CellData* d = store_.Find(c, *it);
            if (d && d->formula != kNone) out.push_back(d->formula);
        }
    };
    if (static_cast<std::size_t>(r.col2 - r.col1 + 1) > formulaCols_.size()) {
        for (const auto& [c, rows] : formulaCols_)
            if (c >= r.col1 && c <= r.col2) scanCol(c, rows);
    } else {
        for (Coord c = r.col1; c <= r.col2; ++c) {
            auto it = formulaCols_.find(c);
            if (it != formulaCols_.end()) scanCol(c, it->second);
        }
    }
}

void Sheet::MarkDependents(Coord col, Coord row, std::vector<std::uint32_t>& out) {
    if (NoDependents()) return;
    std::vector<std::uint64_t> queue{CellKey(col, row)};
    // Volatile formulas follow every change, and so does what reads them.
    for (std::uint32_t id : volatiles_) {
        Formula& f = formulas_[id];
        if (!f.live || f.state != 0) continue;
        f.state = 1;
        out.push_back(id);
        queue.push_back(f.key);
    }
    while (!queue.empty()) {
        std::uint64_t k = queue.back();
        queue.pop_back();
        deps_.ForEachDependent(KeyCol(k), KeyRow(k), [&](std::uint32_t id) {
            Formula& f = formulas_[id];
            if (!f.live || f.state != 0) return;
            f.state = 1;
            out.push_back(id);
            queue.push_back(f.key);
        });
    }
}

void Sheet::AfterValueChange(Coord col, Coord row) {
    ++cacheGen_;
    if (NoDependents()) return;
    if (Calculating()) {
        MarkDependents(col, row, deferred_);
        return;
    }
    if (!AutoCalc()) return;
    std::vector<std::uint32_t> pending;
    MarkDependents(col, row, pending);
    if (!pending.empty()) RunPass(pending);
}

void Sheet::EvaluateFormula(std::uint32_t id) {
    std::shared_ptr<const Ast> ast = formulas_[id].ast;
    std::uint64_t key = formulas_[id].key;
    Coord col = KeyCol(key), row = KeyRow(key);
    Value v;
    std::vector<Range> dynamic;
    {
        PushCalcWindow(hwnd);
        Evaluator ev(*this, col, row);
        ev.Run(*ast, v);
        dynamic = ev.DynamicRefs();
        PopCalcWindow();
    }
    // A callback may have replaced or removed the formula meanwhile.
    CellData* c = store_.Find(col, row);
    if (!c || c->formula != id || formulas_[id].ast != ast) return;
    formulas_[id].dynamic = std::move(dynamic);
    AsCellHolds(TypeAt(col, row).type, v);
    store_.SetValue(*c, v);
}

bool Sheet::EvaluateAt(Coord col, Coord row, std::wstring_view text, int cellType, Value& out, std::wstring* error) {
    out = Value{};
    if (!InsideCells(col, row)) {
        if (error) *error = L"cell outside the sheet";
        return false;
    }
    const std::wstring_view t = FormulaBody(text);
    std::shared_ptr<const Ast> ast = Parse(col, row, t, error, true);
    if (!ast) return false;
    EvaluateTree(col, row, *ast, cellType, out);
    return true;
}

void Sheet::EvaluateTree(Coord col, Coord row, const Ast& ast, int cellType, Value& out) {
    // As in a pass: caches start afresh, and changes callbacks make are deferred to its end.
    ++cacheGen_;
    ++calcDepth_;
    {
        PushCalcWindow(hwnd);
        Evaluator ev(*this, col, row);
        ev.Run(ast, out);
        AsCellHolds(cellType, out);
        PopCalcWindow();
    }
    --calcDepth_;
    ++cacheGen_;
    if (!Calculating() && !deferred_.empty()) {
        std::vector<std::uint32_t> more;
        TakeDeferred(more);
        RunPass(more);
    }
}

bool Sheet::FormulaReads(Coord col, Coord row, std::wstring_view text, std::vector<Range>& reads, bool& isVolatile,
                         bool& callsOther, std::wstring* error) const {
    reads.clear();
    isVolatile = false;
    callsOther = false;
    const std::wstring_view t = FormulaBody(text);
    Formula f;
    f.ast = Parse(col, row, t, error, true);
    if (!f.ast) return false;
    CollectPrecedents(f);
    for (std::uint64_t k : f.cells) reads.push_back(Range{KeyCol(k), KeyRow(k), KeyCol(k), KeyRow(k)});
    reads.insert(reads.end(), f.ranges.begin(), f.ranges.end());
    isVolatile = f.isVolatile;
    for (const Node& n : f.ast->nodes)
        if (n.op == Op::Call && n.fn < 0) callsOther = true;
    return true;
}

bool Sheet::DynamicRefsSettled(std::uint32_t id, bool& circular, std::uint32_t& cycleFrom) {
    circular = false;
    std::vector<std::uint32_t> read;
    for (const Range& r : formulas_[id].dynamic) FormulasInRange(r, read);
    bool settled = true;
    for (std::uint32_t k : read) {
        if (k == id) {
            circular = true;
        } else if (formulas_[k].live && formulas_[k].state == 2) {
            circular = true;
            cycleFrom = std::min(cycleFrom, formulas_[k].stackPos);
        } else if (formulas_[k].live && formulas_[k].state == 1) {
            settled = false;
        }
    }
    return settled || circular;
}

void Sheet::RunPass(std::vector<std::uint32_t>& pending) {
    if (pending.empty()) return;
    if (Calculating()) {
        deferred_.insert(deferred_.end(), pending.begin(), pending.end());
        return;
    }
    struct Frame { std::uint32_t id; std::size_t begin, next, end; };
    std::vector<Frame> stack;
    std::vector<std::uint32_t> children;
    ++calcDepth_;
    for (int round = 0; round < 100 && !pending.empty(); ++round) {
        ++cacheGen_;
        for (std::uint32_t root : pending) {
            if (root >= formulas_.size() || !formulas_[root].live || formulas_[root].state != 1) continue;
            auto push = [&](std::uint32_t id) {
                Formula& f = formulas_[id];
                f.state = 2;
                f.circular = false;
                f.stackPos = static_cast<std::uint32_t>(stack.size());
                std::size_t begin = children.size();
                for (std::uint64_t k : f.cells) {
                    const CellData* d = store_.Find(KeyCol(k), KeyRow(k));
                    if (d && d->formula != kNone) children.push_back(d->formula);
                }
                for (const Range& r : formulas_[id].ranges) FormulasInRange(r, children);
                for (const Range& r : formulas_[id].dynamic) FormulasInRange(r, children);
                stack.push_back({id, begin, begin, children.size()});
            };
            push(root);
            while (!stack.empty()) {
                Frame& fr = stack.back();
                if (fr.next < fr.end) {
                    std::uint32_t c = children[fr.next++];
                    Formula& cf = formulas_[c];
                    if (!cf.live) continue;
                    if (cf.state == 1) {
                        push(c);
                    } else if (cf.state == 2) {
                        for (std::size_t i = cf.stackPos; i < stack.size(); ++i) formulas_[stack[i].id].circular = true;
                    }
                    continue;
                }
                std::uint32_t id = fr.id;
                children.resize(fr.begin);
                stack.pop_back();
                if (!formulas_[id].live) continue;
                if (formulas_[id].circular) {
                    CellData* d = store_.Find(KeyCol(formulas_[id].key), KeyRow(formulas_[id].key));
                    if (d) store_.SetValue(*d, Value::Error(Err::Circ));
                } else {
                    EvaluateFormula(id);
                    bool circular = false;
                    auto cycleFrom = static_cast<std::uint32_t>(stack.size());
                    if (id < formulas_.size() && formulas_[id].live && formulas_[id].isVolatile &&
                        !DynamicRefsSettled(id, circular, cycleFrom)) {
                        // It read a formula not calculated yet: again after that one (the
                        // references it made are now among its precedents).
                        if (formulas_[id].requeued < 8) {
                            ++formulas_[id].requeued;
                            push(id);
                            continue;
                        }
                    }
                    if (circular) {
                        for (std::size_t i = cycleFrom; i < stack.size(); ++i) formulas_[stack[i].id].circular = true;
                        CellData* d = store_.Find(KeyCol(formulas_[id].key), KeyRow(formulas_[id].key));
                        if (d) store_.SetValue(*d, Value::Error(Err::Circ));
                    }
                }
                if (id < formulas_.size()) {
                    formulas_[id].state = 0;
                    formulas_[id].requeued = 0;
                }
            }
        }
        pending.clear();
        TakeDeferred(pending);  // changes made by callbacks while calculating
    }
    for (std::uint32_t id : pending)
        if (id < formulas_.size()) formulas_[id].state = 0;
    --calcDepth_;
    ++cacheGen_;
}

void Sheet::TakeDeferred(std::vector<std::uint32_t>& pending) {
    std::vector<std::uint32_t> more;
    more.swap(deferred_);
    for (std::uint32_t id : more)
        if (id < formulas_.size() && formulas_[id].live) {
            formulas_[id].state = 1;
            pending.push_back(id);
        }
}

void Sheet::RecalcAll() {
    Touch();
    if (Calculating()) {
        for (std::uint32_t i = 0; i < formulas_.size(); ++i)
            if (formulas_[i].live) deferred_.push_back(i);
        return;
    }
    std::vector<std::uint32_t> pending;
    // Row by row, column by column: the order a reader expects cycles to be reported in.
    std::vector<std::pair<std::uint64_t, std::uint32_t>> order;
    for (std::uint32_t i = 0; i < formulas_.size(); ++i)
        if (formulas_[i].live) order.push_back({formulas_[i].key, i});
    if (!std::is_sorted(order.begin(), order.end())) std::sort(order.begin(), order.end());
    for (auto& [k, id] : order) {
        formulas_[id].state = 1;
        pending.push_back(id);
    }
    RunPass(pending);
}

bool Sheet::RecalcCell(Coord col, Coord row) {
    Touch();
    if (!InsideCells(col, row)) return false;
    CellData* c = store_.Find(col, row);
    if (!c || c->formula == kNone) return true;
    if (Calculating()) {
        EvaluateFormula(c->formula);
        return true;
    }
    // The cell and everything it reads, so that the result is current.
    std::vector<std::uint32_t> pending, work{c->formula};
    formulas_[c->formula].state = 1;
    while (!work.empty()) {
        std::uint32_t id = work.back();
        work.pop_back();
        pending.push_back(id);
        std::vector<std::uint32_t> kids;
        for (std::uint64_t k : formulas_[id].cells) {
            const CellData* d = store_.Find(KeyCol(k), KeyRow(k));
            if (d && d->formula != kNone) kids.push_back(d->formula);
        }
        for (const Range& r : formulas_[id].ranges) FormulasInRange(r, kids);
        for (const Range& r : formulas_[id].dynamic) FormulasInRange(r, kids);
        for (std::uint32_t k : kids)
            if (formulas_[k].live && formulas_[k].state == 0) {
                formulas_[k].state = 1;
                work.push_back(k);
            }
    }
    std::reverse(pending.begin(), pending.end());
    if (AutoCalc()) MarkDependents(col, row, pending);
    RunPass(pending);
    return true;
}

void Sheet::RebuildDependencies() {
    deps_.Clear();
    volatiles_.clear();
    formulaCols_.clear();
    std::vector<std::pair<std::uint64_t, std::uint32_t>> order;
    for (std::uint32_t i = 0; i < formulas_.size(); ++i)
        if (formulas_[i].live) order.push_back({formulas_[i].key, i});
    std::sort(order.begin(), order.end());   // row order keeps the column lists appending
    for (auto& [key, i] : order) {
        Formula& f = formulas_[i];
        CollectPrecedents(f);
        deps_.Add(i, f);
        if (f.isVolatile) volatiles_.insert(i);
        formulaCols_[KeyCol(key)].Insert(KeyRow(key));
    }
}

// ---------------------------------------------------------------------------- views for functions

CellView Sheet::View(Coord col, Coord row) const {
    CellView v;
    if (!InsideCells(col, row)) {
        v.kind = Kind::Error;
        v.err = Err::Ref;
        return v;
    }
    const CellData* c = store_.Find(col, row);
    if (!c) return v;
    v.kind = c->kind;
    v.err = c->err;
    v.num = c->num;
    if (c->kind == Kind::Text) v.text = &store_.Text(c->text);
    return v;
}

bool Sheet::CallsSubtotal(Coord col, Coord row) const {
    const CellData* c = store_.Find(col, row);
    return c && c->formula != kNone && formulas_[c->formula].callsSubtotal;
}

namespace {
void AddToAgg(AggState& s, const CellView& c) {
    if (c.kind == Kind::Empty) return;
    ++s.countA;
    if (c.kind == Kind::Error) {
        if (s.err == Err::None) s.err = c.err;
        return;
    }
    if (c.kind != Kind::Number) return;
    if (s.count == 0) { s.min = c.num; s.max = c.num; }
    else { if (c.num < s.min) s.min = c.num; if (c.num > s.max) s.max = c.num; }
    s.sum += c.num;
    ++s.count;
}
}  // namespace

AggState Sheet::Aggregate(const Range& r0) {
    AggState s;
    Range r = r0;
    if (r.col1 > maxCols_ || r.row1 > maxRows_) { s.err = Err::Ref; return s; }
    if (r.col1 == r.col2 && r.row1 == r.row2) {  // one cell, as MIN(A1, B2) gives them
        AddToAgg(s, View(r.col1, r.row1));
        return s;
    }
    r.col2 = std::min(r.col2, maxCols_);
    r.row2 = std::min(r.row2, maxRows_);
    auto addRows = [&](Coord from, Coord to) {
        std::int64_t area = static_cast<std::int64_t>(r.col2 - r.col1 + 1) * (to - from + 1);
        if (area > static_cast<std::int64_t>(store_.Size()) * 2 + 64) {
            std::vector<std::uint64_t> keys;
            Range part{r.col1, from, r.col2, to};
            store_.ForEach([&](Coord c, Coord rr, CellData&) { if (part.contains(c, rr)) keys.push_back(CellKey(c, rr)); });
            std::sort(keys.begin(), keys.end());
            for (std::uint64_t k : keys) AddToAgg(s, View(KeyCol(k), KeyRow(k)));
            return;
        }
        for (Coord row = from; row <= to; ++row)
            for (Coord col = r.col1; col <= r.col2; ++col) AddToAgg(s, View(col, row));
    };
    if (r.row2 - r.row1 < 32) {
        addRows(r.row1, r.row2);
        return s;
    }
    // Prefix cache: a range that starts where a cached one starts only reads the extra rows.
    std::uint64_t key = (static_cast<std::uint64_t>(static_cast<std::uint32_t>(r.col1)) * 0x9E3779B97F4A7C15ULL) ^
                        (static_cast<std::uint64_t>(static_cast<std::uint32_t>(r.row1)) << 20) ^
                        static_cast<std::uint32_t>(r.col2);
    auto& entries = aggCache_[key];
    const AggEntry* best = nullptr;
    for (const AggEntry& e : entries)
        if (e.gen == cacheGen_ && e.row2 <= r.row2 && (!best || e.row2 > best->row2)) best = &e;
    Coord from = r.row1;
    if (best) {
        s = best->state;
        from = best->row2 + 1;
    }
    if (from <= r.row2) addRows(from, r.row2);
    // Keep only the current generation, newest last, bounded.
    entries.erase(std::remove_if(entries.begin(), entries.end(), [&](const AggEntry& e) { return e.gen != cacheGen_; }), entries.end());
    if (entries.size() >= 8) entries.erase(entries.begin());
    entries.push_back({cacheGen_, r.row2, s});
    if (aggCache_.size() > 100000) aggCache_.clear();
    return s;
}

const ExactIndex* Sheet::Index(const Range& r0) {
    Range r = r0;
    bool vertical = r.col1 == r.col2;
    Coord n = vertical ? r.row2 - r.row1 + 1 : r.col2 - r.col1 + 1;
    if (n < 64) return nullptr;
    auto key = std::make_tuple(r.col1, r.row1, r.col2, r.row2);
    auto it = indexCache_.find(key);
    if (it != indexCache_.end() &&
        (it->second.gen == cacheGen_ || (vertical && it->second.columnVersion == store_.ColumnVersion(r.col1))))
        return it->second.index.get();
    if (indexCache_.size() > 256) indexCache_.clear();
    auto idx = std::make_unique<ExactIndex>();
    idx->reserve(static_cast<std::size_t>(std::min<Coord>(n, 1 << 20)));
    for (Coord i = 0; i < n; ++i) {
        CellView c = vertical ? View(r.col1, r.row1 + i) : View(r.col1 + i, r.row1);
        if (c.kind != Kind::Number && c.kind != Kind::Text) continue;
        idx->emplace(IndexKey(c), i);
    }
    IndexEntry& e = indexCache_[key];
    e.gen = cacheGen_;
    e.columnVersion = vertical ? store_.ColumnVersion(r.col1) : 0;
    e.index = std::move(idx);
    e.uses = 0;
    return e.index.get();
}

}  // namespace spread
