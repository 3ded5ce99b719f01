#include "calc_sheet_harness.h"

#include <algorithm>

#include "calc_test_support.h"
#include "engine/standards_evaluator.h"
#include "mfc/cdialog.h"
#include "mfc/dialog_template.h"
#include "mfc/resources.h"
#include "win/msgbox.h"

namespace {

constexpr UINT kTestDialogId = 30253;
constexpr int kPlaceholderId = 1196;

void registerTestDialog() {
    static bool done = false;
    if (done) return;
    done = true;
    mfc::DialogTemplate t;
    t.caption = L"calculation";
    t.cx = 200;
    t.cy = 100;
    t.style = 0x80000000L;  // WS_POPUP, never shown
    t.label(kPlaceholderId, L"", 10, 10, 150, 60);
    mfc::RegisterDialogTemplate(AfxGetInstanceHandle(), kTestDialogId, t);
}

int gEvaluations = 0;
int gDepth = 0;
int gDeepest = 0;

}  // namespace

CalcSheet::CalcSheet() : m_dialog(std::make_unique<CDialog>()) {
    registerTestDialog();
    m_dialog->Create(kTestDialogId, nullptr);
    m_calc.createFromPlaceholder(m_dialog.get(), kPlaceholderId, true);
}

CalcSheet::~CalcSheet() {
    m_calc.DestroyWindow();
    m_dialog->DestroyWindow();
}

std::wstring CalcSheet::text(int col, int row) {
    Zk_String t;
    m_calc.readCellText(col, row, t, 3);
    return t.wstr();
}

bool valueModeEvaluator(KmDlgStandardsData& data) {
    ++gEvaluations;
    ++gDepth;
    gDeepest = std::max(gDeepest, gDepth);
    bool ok = false;
    {
        CalcSheet sheet;
        KmDlgStandardsData work = data;
        ok = work.evalMode == KmDlgStandardsData::kValueMode && sheet.calc().loadFile(work.tqFileName) == Acad::eOk &&
             sheet.calc().initFromVars(work) == Acad::eOk && sheet.calc().calcForVars(work.varCells) == Acad::eOk;
        if (ok) data = work;
    }
    --gDepth;
    return ok;
}

int valueModeEvaluations() { return gEvaluations; }

int takeDeepestEvaluation() {
    const int d = gDeepest;
    gDeepest = 0;
    return d;
}

ScopedTestEvaluator::ScopedTestEvaluator() { setStandardsEvaluator(&valueModeEvaluator); }
ScopedTestEvaluator::~ScopedTestEvaluator() { setStandardsEvaluator(nullptr); }

std::string standardSheet(const std::vector<std::string>& inputs, const std::vector<std::string>& outputs,
                          const std::vector<std::string>& locals, const std::vector<std::string>& equations) {
    std::string out;
    auto block = [&](const char* keyword, const std::vector<std::string>& lines) {
        out += keyword;
        out += "\n\n";
        for (const std::string& l : lines) out += l + "\n";
    };
    block("Input", inputs);
    block("Output", outputs);
    block("Local", locals);
    out += "Calc\n";
    for (const std::string& e : equations) out += e + "\n";
    return sheetFileFromGrid(out);
}

KmVarCell valueCell(const char* name, KmCellType type, const char* value, KmValueType valueType) {
    KmVarCell c;
    c.varName = Zk_String(name);
    c.cellType = type;
    c.value = Zk_String(value);
    c.valueType = valueType;
    return c;
}

bool evaluateXY(const TempLibrary& lib, const std::string& file, const char* x, std::wstring& y, int& evaluations,
                const char* yStart) {
    KmDlgStandardsData data;
    data.evalMode = KmDlgStandardsData::kValueMode;
    data.tqFileName = lib.winPath("Connection Standards/" + file);
    data.varCells.append(valueCell("X", KmCellType::Input, x, KmValueType::Double));
    data.varCells.append(valueCell("Y", KmCellType::Output, yStart, KmValueType::Double));
    const int before = valueModeEvaluations();
    const bool ok = valueModeEvaluator(data);
    evaluations = valueModeEvaluations() - before;
    y = data.varCells[1].value.wstr();
    return ok;
}

std::vector<std::wstring> messageBoxTexts() {
    std::vector<std::wstring> texts;
    for (const auto& b : win::MessageBoxLog()) texts.push_back(b.text);
    return texts;
}
