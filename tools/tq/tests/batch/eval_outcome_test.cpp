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

TEST(EvalOutcome, ARunIsGoodWhenTheEngineFinishedAndEveryOutputHasAValue) {
    KmVarCells given;
    given.append(cell("Column", KmCellType::Input, KmValueType::String, "x y"));
    given.append(cell("Count", KmCellType::Input, KmValueType::Int, ""));
    given.append(cell("Thickness", KmCellType::Input, KmValueType::Double, " 1e2 "));
    KmVarCells results = given;
    results.append(cell("Width", KmCellType::Output, KmValueType::Double, "260"));
    results.append(cell("Label", KmCellType::Output, KmValueType::String, "plate"));
    const EvaluationRules plain;
    EXPECT_EQ(evaluationFailure(true, {}, 0, given, results, plain), "");
    // A box alone (a label in the calculation area, say) does not fail the run...
    EXPECT_EQ(evaluationFailure(true, {box("The following equation failed:\nHeading")}, 0, given, results, plain), "");
    // ...unless asked to.
    EvaluationRules strict;
    strict.strict = true;
    EXPECT_EQ(evaluationFailure(true, {box("The following equation failed:\nHeading")}, 0, given, results, strict),
              "a message was shown (--strict): The following equation failed: Heading");
    EXPECT_EQ(evaluationFailure(true, {box("old")}, 1, given, results, strict), "");  // an earlier run's box

    EXPECT_EQ(evaluationFailure(false, {}, 0, given, results, plain), "the engine could not evaluate the standard");
    given[2].value = Zk_String(L"thin\nplate");
    EXPECT_EQ(evaluationFailure(false, {}, 0, given, results, plain),
              "Thickness is declared Double and takes a number, not \"thin plate\"");
    EXPECT_EQ(evaluationFailure(false, {box("why")}, 0, given, results, plain), "why");
    given[2].value = Zk_String(L"10");
    given[1].value = Zk_String(L"two");
    EXPECT_EQ(evaluationFailure(false, {}, 0, given, results, plain),
              "Count is declared Int and takes a number, not \"two\"");

    // Empty and error outputs are named, all of them.
    results[3].value = Zk_String(L"#VALUE!");
    EXPECT_EQ(evaluationFailure(true, {}, 0, given, results, plain),
              "Width is #VALUE! (--diagnostics shows the engine's messages)");
    results[4].value = Zk_String();
    EvaluationRules diagnostics;
    diagnostics.diagnostics = true;
    EXPECT_EQ(evaluationFailure(true, {}, 0, given, results, diagnostics), "Label has no value; Width is #VALUE!");
    results[3].value = Zk_String();
    EXPECT_EQ(evaluationFailure(true, {box("warned")}, 0, given, results, plain),
              "Width and Label have no value (after the message: warned)");
    results[3].value = Zk_String(L"#VALUE");  // not an error value of the control
    results[4].value = Zk_String(L"x");
    EXPECT_EQ(evaluationFailure(true, {}, 0, given, results, plain), "");
}

}  // namespace
}  // namespace tq
