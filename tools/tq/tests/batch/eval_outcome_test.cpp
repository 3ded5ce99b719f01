#include <gtest/gtest.h>

#include "tq/eval_outcome.h"

namespace tq {
namespace {

RunMessage box(const std::string& text) { return {RunMessage::Box, "tq", text}; }

KmVarCell cell(const char* name, KmCellType type, KmValueType valueType, const char* value) {
    KmVarCell c;
    c.varName = Zk_String::fromUtf8(name);
    c.cellType = type;
    c.valueType = valueType;
    c.value = Zk_String::fromUtf8(value);
    return c;
}

TEST(EvalOutcome, TheFirstBoxOfTheRunBecomesOneLine) {
    const std::vector<RunMessage> messages = {
        box("from an earlier run"),
        {RunMessage::Trace, "", "a trace\n"},
        box("The following equation failed:\nA = B\tC\nSpreadsheet : x.kms (line: 3)\nHere's a tip for finding it"),
        box("second")};
    EXPECT_EQ(reportedFailure(messages, 1),
              "The following equation failed: A = B C Spreadsheet : x.kms (line: 3) (and 1 more message)");
    EXPECT_EQ(reportedFailure(messages, 3), "second");
    EXPECT_EQ(reportedFailure(messages, 4), "");
}

TEST(EvalOutcome, ARunIsGoodOnlyWithoutBoxesAndErrorOutputs) {
    KmVarCells given;
    given.append(cell("Column", KmCellType::Input, KmValueType::String, "x y"));
    given.append(cell("Count", KmCellType::Input, KmValueType::Int, ""));
    given.append(cell("Thickness", KmCellType::Input, KmValueType::Double, " 1e2 "));
    KmVarCells results = given;
    results.append(cell("Width", KmCellType::Output, KmValueType::Double, "260"));
    EXPECT_EQ(evaluationFailure(true, {}, 0, given, results), "");
    EXPECT_EQ(evaluationFailure(false, {}, 0, given, results), "the evaluation failed");

    given[2].value = Zk_String(L"thin\nplate");
    EXPECT_EQ(evaluationFailure(false, {}, 0, given, results), "Thickness takes a number, not \"thin plate\"");
    EXPECT_EQ(evaluationFailure(false, {box("why")}, 0, given, results), "why");

    results[3].value = Zk_String(L"#VALUE!");
    EXPECT_EQ(evaluationFailure(true, {}, 0, given, results), "Width is #VALUE!");
    results[3].value = Zk_String(L"#VALUE");  // not an error value of the control
    EXPECT_EQ(evaluationFailure(true, {box("warned")}, 0, given, results), "warned");
}

}  // namespace
}  // namespace tq
