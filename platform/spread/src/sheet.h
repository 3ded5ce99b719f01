// One spreadsheet: counts, sparse cells, formats, formulas with their dependencies,
// settings and custom functions. The window and the C functions sit on top of this.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <tuple>
#include <string>
#include <unordered_map>
#include <vector>

#include "cell_store.h"
#include "deps.h"
#include "format.h"
#include "functions.h"
#include "spread/ss_api.h"

namespace spread {

struct CellExtra {
    std::wstring tag, note, tip;
    bool empty() const { return tag.empty() && note.empty() && tip.empty(); }
};

struct RefStyle;
struct PreparedFormula;  // sheet.cpp
class FillParser;

struct CustomFunction {
    std::wstring name;   // as registered
    short minArgs = 0, maxArgs = -1;
    SS_CALCFUNC func = nullptr;
    LONG flags = 0;
};

// Control-wide settings that are saved with the sheet.
struct SheetSettings {
    bool bools[SSB_COUNT] = {};
    short refStyle = SS_REFSTYLE_DEFAULT;
    short appearance = 1, backColorStyle = 0, noteIndicator = SS_NOTEINDICATOR_SHOW, selectionMode = 0;
    COLORREF selBack = SS_COLOR_DEFAULT, selFore = SS_COLOR_DEFAULT, gridColor = SS_COLOR_DEFAULT;
    COLORREF shadow = SS_COLOR_DEFAULT, shadowText = SS_COLOR_DEFAULT, lockBack = SS_COLOR_DEFAULT, lockFore = SS_COLOR_DEFAULT;
    short tipMode = 0;
    LONG tipDelay = 500;
    COLORREF tipBack = SS_COLOR_DEFAULT, tipFore = SS_COLOR_DEFAULT;
    struct ActionKey {
        BOOL shift = FALSE, ctrl = FALSE;
        WORD key = 0;
        bool operator==(const ActionKey&) const = default;
    } actionKeys[3];
    std::wstring fontName = L"Tahoma";
    int fontSize = 8;
    SheetSettings();
    bool operator==(const SheetSettings&) const = default;
};

class Sheet {
public:
    Sheet();
    ~Sheet();
    Sheet(const Sheet&) = delete;
    Sheet& operator=(const Sheet&) = delete;

    void Reset();
    // Makes this sheet an exact copy of other's contents, formats, formulas, settings and
    // state (the window handle stays); per-pass caches start empty.
    void CopyFrom(const Sheet& other);
    HWND hwnd = nullptr;   // the control owning the sheet (for SSGetCalcWindow)

    // ---- counts
    Coord MaxCols() const { return maxCols_; }
    Coord MaxRows() const { return maxRows_; }
    bool SetMaxCols(Coord n);
    bool SetMaxRows(Coord n);
    bool Inside(Coord col, Coord row) const { return col >= 0 && row >= 0 && col <= maxCols_ && row <= maxRows_; }
    bool InsideCells(Coord col, Coord row) const { return col >= 1 && row >= 1 && col <= maxCols_ && row <= maxRows_; }
    void LastUsed(Coord& col, Coord& row) const;

    // ---- contents
    bool GetText(Coord col, Coord row, int mode, std::wstring& out) const;
    bool SetText(Coord col, Coord row, std::wstring_view text);   // data as typed
    bool SetFormula(Coord col, Coord row, std::wstring_view text, std::wstring* error = nullptr);
    bool SetNumber(Coord col, Coord row, double v);
    // SetText of a text known to read as the number n (written by FormatNumber): number
    // cells take n without reading the text again.
    bool SetNumberText(Coord col, Coord row, double n, std::wstring_view text);
    Value GetCellValue(Coord col, Coord row) const;
    std::wstring FormulaText(Coord col, Coord row) const { return FormulaText(col, row, RefStyleR1C1()); }
    std::wstring FormulaText(Coord col, Coord row, bool r1c1) const;
    bool HasFormula(Coord col, Coord row) const;
    bool HasFormulas() const { return !formulaCols_.empty(); }
    bool ClearData(Range r);
    bool Clear(Range r);
    bool CopyRange(Range src, Coord destCol, Coord destRow);

    // ---- formats
    Style ResolveStyle(Coord col, Coord row) const;
    const SS_CELLTYPEINFO& TypeAt(Coord col, Coord row) const;
    // TypeAt of the cell whose record is c (null: the cell has none).
    const SS_CELLTYPEINFO& TypeOf(const CellData* c, Coord col, Coord row) const;
    // Sets the groups of `src` over a range (SS_ALLCOLS / SS_ALLROWS allowed).
    bool ApplyStyle(Coord col, Coord row, Coord col2, Coord row2, const Style& src, std::uint32_t groups);
    CellExtra* Extra(Coord col, Coord row);
    const CellExtra* Extra(Coord col, Coord row) const;
    bool SetExtra(Coord col, Coord row, int which /*0 tag 1 note 2 tip*/, std::wstring_view text);

    double ColWidth(Coord col) const;
    double RowHeight(Coord row) const;
    bool SetColWidth(Coord col, double w);
    bool SetRowHeight(Coord row, double h);
    bool ColHidden(Coord col) const { return hiddenCols_.count(col) != 0; }
    bool RowHidden(Coord row) const { return hiddenRows_.count(row) != 0; }
    bool SetColHidden(Coord col, bool h);
    bool SetRowHidden(Coord row, bool h);

    // ---- spans
    bool AddSpan(Coord col, Coord row, Coord nCols, Coord nRows);
    const Range* SpanAt(Coord col, Coord row) const;
    void RemoveSpan(Coord col, Coord row);

    // ---- calculation
    void RecalcAll();
    // A formula calculated as the formula of (col, row), a cell of type cellType, would be,
    // without storing it: out is what the cell would hold. False when it does not parse.
    bool EvaluateAt(Coord col, Coord row, std::wstring_view text, int cellType, Value& out, std::wstring* error);
    // A formula parsed once for (col, row), to be calculated by EvaluatePrepared as
    // EvaluateAt would calculate its text. Null when it does not parse.
    std::shared_ptr<const PreparedFormula> Prepare(Coord col, Coord row, std::wstring_view text,
                                                   std::wstring* error) const;
    // EvaluateAt of a prepared formula; its text is parsed again where this sheet reads it
    // otherwise than the sheet it was prepared on (other limits).
    bool EvaluatePrepared(const PreparedFormula& prepared, int cellType, Value& out, std::wstring* error);
    // The cells and ranges a formula standing in (col, row) reads, whether it is volatile
    // (makes references while calculating or changes by itself) and whether it calls a
    // function that is not built in.
    bool FormulaReads(Coord col, Coord row, std::wstring_view text, std::vector<Range>& reads, bool& isVolatile,
                      bool& callsOther, std::wstring* error) const;
    bool RecalcCell(Coord col, Coord row);
    bool AutoCalc() const { return settings.bools[SSB_AUTOCALC]; }
    bool Calculating() const { return calcDepth_ > 0; }
    bool AddCustom(std::wstring_view name, short minArgs, short maxArgs, SS_CALCFUNC func, LONG flags);
    bool RemoveCustom(std::wstring_view name);
    const CustomFunction* FindCustom(const std::wstring& upperName) const;
    // Whether a custom function has the name of a built-in one (and so replaces it).
    bool CustomShadowsBuiltin() const { return customShadowsBuiltin_; }
    void ClearCustoms();

    // ---- structure
    bool InsertRows(Coord row, Coord count);
    bool DeleteRows(Coord row, Coord count);
    bool InsertCols(Coord col, Coord count);
    bool DeleteCols(Coord col, Coord count);
    bool MoveRow(Coord from, Coord to);
    bool MoveCol(Coord from, Coord to);

    // ---- state of the control
    SheetSettings settings;
    Coord activeCol = 1, activeRow = 1;
    bool hasSelection = false;
    Range selection;
    bool editing = false;
    std::wstring editText;
    int editSelStart = 0, editSelEnd = 0;
    Coord buttonCol = 0, buttonRow = 0;

    void MarkChanged() {
        settings.bools[SSB_CHANGEMADE] = true;
        Touch();
    }
    // Changes with every change of data, formulas or formats and with every load.
    std::uint64_t ChangeStamp() const { return changeStamp_; }
    void Touch();
    std::size_t MemoryBytes() const;

    // For the file format and the evaluator.
    CellStore& Store() { return store_; }
    const CellStore& Store() const { return store_; }
    StyleTable& Styles() { return styles_; }
    const StyleTable& Styles() const { return styles_; }
    const std::unordered_map<Coord, std::uint32_t>& ColStyles() const { return colStyle_; }
    const std::unordered_map<Coord, std::uint32_t>& RowStyles() const { return rowStyle_; }
    std::uint32_t DefaultStyle() const { return defaultStyle_; }
    const std::map<Coord, double>& ColWidths() const { return colWidths_; }
    const std::map<Coord, double>& RowHeights() const { return rowHeights_; }
    const std::set<Coord>& HiddenCols() const { return hiddenCols_; }
    const std::set<Coord>& HiddenRows() const { return hiddenRows_; }
    const std::vector<Range>& Spans() const { return spans_; }
    const std::unordered_map<std::wstring, CustomFunction>& Customs() const { return customs_; }
    // Sets a whole-column, whole-row or default style id directly (loading).
    void SetLayerStyle(int layer /*0 default 1 col 2 row*/, Coord index, std::uint32_t id);
    void SetCellStyleId(Coord col, Coord row, std::uint32_t id);
    // Stores a formula without calculating (loading); CalcAfterLoad finishes. fill is the
    // load's parser (it reuses the trees of filled formulas). The text is taken over when
    // it parses and left as it was when it does not.
    bool PutFormula(Coord col, Coord row, std::wstring&& text, std::wstring* error, FillParser& fill);
    // Room for this many more formulas and for the cells they read (about one each as a
    // rule), before a load installs them.
    void ReserveFormulas(std::size_t formulas) {
        formulas_.reserve(formulas_.size() + formulas);
        deps_.Reserve(formulas);
    }

    // Evaluation support (evaluator.cpp).
    CellView View(Coord col, Coord row) const;
    AggState Aggregate(const Range& r);
    const ExactIndex* Index(const Range& r);
    void InvalidateCaches() { ++cacheGen_; }
    bool CallsSubtotal(Coord col, Coord row) const;
    bool RefStyleR1C1() const { return settings.refStyle == SS_REFSTYLE_R1C1; }

private:
    friend class Evaluator;
    // Formulas
    std::uint32_t NewFormula();
    // Most cells set hold no formula: that test is made without a call.
    void DropFormula(CellData& c) {
        if (c.formula != kNone) DropInstalledFormula(c);
    }
    void DropInstalledFormula(CellData& c);
    void EvaluateFormula(std::uint32_t id);
    void RunPass(std::vector<std::uint32_t>& pending);
    // Keeps customShadowsBuiltin_ in step after a custom function was added or removed.
    void NoteCustomsChanged();
    // Moves the formulas changes made while calculating marked for calculation into pending.
    void TakeDeferred(std::vector<std::uint32_t>& pending);
    void MarkDependents(Coord col, Coord row, std::vector<std::uint32_t>& out);
    // Whether no formula would follow a change (none reads a cell, none is volatile).
    bool NoDependents() const { return deps_.Empty() && volatiles_.empty(); }
    // After a volatile formula ran: false when it read, through a reference it made, a
    // formula still to be calculated (it is then calculated again after that one).
    bool DynamicRefsSettled(std::uint32_t id, bool& circular, std::uint32_t& cycleFrom);
    void AfterValueChange(Coord col, Coord row);
    void FormulasInRange(const Range& r, std::vector<std::uint32_t>& out) const;
    void RebuildDependencies();
    // Structural change by rows or columns: kind 0 insert (a, n), 1 delete (a, n), 2 move (a -> n).
    bool Restructure(bool rows, int kind, Coord a, Coord n);
    void SetValueAt(Coord col, Coord row, const Value& v);
    // SetValueAt into the cell's record c (found already).
    void SetValueIn(CellData& c, Coord col, Coord row, const Value& v);
    // A value set as typed in: into the cell (its record when found already, else null),
    // the sheet marked changed and what depends on the cell told.
    void SetChangedValue(CellData* cell, Coord col, Coord row, const Value& v);
    bool ParseAndInstall(Coord col, Coord row, std::wstring_view text, std::wstring* error, bool shareParsed);
    // How formulas of (col, row) are read: the reference style, the host cell, the limits.
    RefStyle ParseStyle(Coord col, Coord row) const;
    // EvaluateAt once the formula is parsed.
    void EvaluateTree(Coord col, Coord row, const Ast& ast, int cellType, Value& out);
    // The tree of a formula (a leading "=" left out) standing in (col, row); shared with
    // earlier parses of the same text at the same place when shareParsed. Null when it does
    // not parse.
    std::shared_ptr<const Ast> Parse(Coord col, Coord row, std::wstring_view text, std::wstring* error,
                                     bool shareParsed) const;
    std::uint32_t InstallFormula(Coord col, Coord row, std::shared_ptr<const Ast> ast, std::wstring text, bool textValid);
    void ForEachPosition(const Range& r, bool includeEmpty, const std::function<void(Coord, Coord)>& f);
    std::uint32_t StripGroups(std::uint32_t id, std::uint32_t groups);
    std::uint32_t TakeGroups(std::uint32_t id, const Style& src, std::uint32_t groups);
    void ErasePosition(Coord col, Coord row);

    Coord maxCols_ = SS_DEFAULT_MAXCOLS, maxRows_ = SS_DEFAULT_MAXROWS;
    CellStore store_;
    StyleTable styles_;
    std::uint32_t defaultStyle_ = 0;
    std::unordered_map<Coord, std::uint32_t> colStyle_, rowStyle_;
    std::vector<CellExtra> extras_;
    std::vector<std::uint32_t> freeExtras_;
    std::map<Coord, double> colWidths_, rowHeights_;
    std::set<Coord> hiddenCols_, hiddenRows_;
    std::vector<Range> spans_;

    std::vector<Formula> formulas_;
    std::vector<std::uint32_t> freeFormulas_;
    DepIndex deps_;
    std::set<std::uint32_t> volatiles_;   // formulas calculated on every change
    std::unordered_map<Coord, SortedRows> formulaCols_;   // column -> rows holding formulas
    std::unordered_map<std::wstring, CustomFunction> customs_;
    // The last few functions found by name (formulas call the same few again and again);
    // emptied whenever customs_ changes.
    struct FoundCustom {
        std::wstring upperName;
        const CustomFunction* function = nullptr;
    };
    mutable FoundCustom foundCustoms_[4];
    mutable unsigned nextFoundCustom_ = 0;
    bool customShadowsBuiltin_ = false;   // see CustomShadowsBuiltin
    int calcDepth_ = 0;
    std::uint64_t changeStamp_ = 0;
    std::vector<std::uint32_t> deferred_;   // dependents of changes made while calculating

    // Per-pass caches (valid while cacheGen_ is unchanged).
    std::uint64_t cacheGen_ = 1;
    struct AggEntry { std::uint64_t gen; Coord row2; AggState state; };
    std::unordered_map<std::uint64_t, std::vector<AggEntry>> aggCache_;
    // A one-column index also holds across passes while its column's version is the one it
    // was built from.
    struct IndexEntry {
        std::uint64_t gen;
        std::uint64_t columnVersion;
        std::unique_ptr<ExactIndex> index;
        int uses;
    };
    std::map<std::tuple<Coord, Coord, Coord, Coord>, IndexEntry> indexCache_;
};

// Drops the formula trees kept for formulas typed again (see SetFormula).
void ForgetParsedFormulas();

// A formula as typed without surrounding blanks and one leading "=".
std::wstring_view FormulaBody(std::wstring_view text);

// The control calculating right now (stack of nested calculations).
void PushCalcWindow(HWND h);
void PopCalcWindow();

}  // namespace spread
