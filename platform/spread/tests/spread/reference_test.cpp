// INDIRECT, OFFSET, ADDRESS and LOOKUP, and how formulas using made references take part
// in recalculation.
#include "function_table.h"

namespace spread_test {
namespace {

// B2:D4 holds 1..9 by rows; F1:F4 a sorted key column and G1:G4 its values.
class ReferenceTest : public FunctionTest {
protected:
    void SetUp() override {
        FunctionTest::SetUp();
        int n = 1;
        for (int row = 2; row <= 4; ++row)
            for (int col = 2; col <= 4; ++col) Put(col, row, n++);
        const int keys[] = {10, 20, 30, 40};
        const wchar_t* vals[] = {L"ten", L"twenty", L"thirty", L"forty"};
        for (int i = 0; i < 4; ++i) {
            Put(6, i + 1, keys[i]);
            Put(7, i + 1, vals[i]);
        }
        Put(1, 1, L"C3");
    }
};

TEST_F(ReferenceTest, IndirectReadsTheReferenceATextNames) {
    RunTable({{L"INDIRECT(\"B2\")", L"1"}, {L"INDIRECT(\"$D$4\")", L"9"}, {L"INDIRECT(A1)", L"5"}, {L"INDIRECT(\"c3\")", L"5"},
              {L"SUM(INDIRECT(\"B2:D4\"))", L"45"}, {L"SUM(INDIRECT(\"D4:B2\"))", L"45"}, {L"SUM(INDIRECT(\"C:C\"))", L"15"},
              {L"SUM(INDIRECT(\"3:3\"))", L"45"}, {L"INDIRECT(\"R3C3\",FALSE)", L"5"}, {L"SUM(INDIRECT(\"R2C2:R4C2\",0))", L"12"},
              {L"INDIRECT(\"B\"&(1+2))", L"4"}, {L"ROWS(INDIRECT(\"B2:D4\"))", L"3"}, {L"INDIRECT(\"x\")", L"#REF!"},
              {L"INDIRECT(\"\")", L"#REF!"}, {L"INDIRECT(\"Sheet1!B2\")", L"#REF!"}, {L"INDIRECT(\"B0\")", L"#REF!"},
              {L"INDIRECT(\"C\")", L"#REF!"}, {L"INDIRECT(\"B2:C\")", L"#REF!"}, {L"INDIRECT(\"R3C3\")", L"#REF!"},
              {L"INDIRECT(\"ZZZZZZ1\")", L"#REF!"}, {L"INDIRECT(#N/A)", L"#N/A"}});
    // Relative R1C1 parts count from the formula's own cell (J10 here).
    EXPECT_EQ(Calc(L"INDIRECT(\"R[-6]C[-7]\",FALSE)", 10, 10), L"8");
    EXPECT_EQ(Calc(L"INDIRECT(\"R[1]C\",FALSE)", 4, 2), L"6");
}

TEST_F(ReferenceTest, OffsetMovesAndResizes) {
    RunTable({{L"OFFSET(B2,1,1)", L"5"}, {L"OFFSET(B2,2,2)", L"9"}, {L"SUM(OFFSET(B2,0,0,3,3))", L"45"},
              {L"SUM(OFFSET(B2:D2,1,0))", L"15"}, {L"SUM(OFFSET(B2,0,0,1,3))", L"6"}, {L"SUM(OFFSET(D4,0,0,-2,-2))", L"28"},
              {L"SUM(OFFSET(B2:C3,1,1,,1))", L"13"}, {L"OFFSET(B2,-1,-1)", L"C3"}, {L"OFFSET(B2,-2,0)", L"#REF!"},
              {L"OFFSET(B2,0,0,0,1)", L"#REF!"}, {L"OFFSET(5,1,1)", L"#VALUE!"}, {L"OFFSET(B2,\"x\",1)", L"#VALUE!"},
              {L"ROWS(OFFSET(B2,0,0,7,2))", L"7"}, {L"COLUMNS(OFFSET(B2,0,0,7,2))", L"2"}, {L"OFFSET(B2:D4,0,0)", L"#VALUE!"}});
}

TEST_F(ReferenceTest, AddressWritesReferences) {
    RunTable({{L"ADDRESS(3,2)", L"$B$3"}, {L"ADDRESS(3,2,2)", L"B$3"}, {L"ADDRESS(3,2,3)", L"$B3"}, {L"ADDRESS(3,2,4)", L"B3"},
              {L"ADDRESS(1,28)", L"$AB$1"}, {L"ADDRESS(3,2,1,FALSE)", L"R3C2"}, {L"ADDRESS(3,2,4,FALSE)", L"R[3]C[2]"},
              {L"ADDRESS(3,2,2,0)", L"R3C[2]"}, {L"ADDRESS(3,2,1,TRUE,\"Plates\")", L"Plates!$B$3"},
              {L"ADDRESS(3,2,1,TRUE,\"End plate\")", L"'End plate'!$B$3"}, {L"ADDRESS(0,2)", L"#VALUE!"},
              {L"ADDRESS(3,2,5)", L"#VALUE!"}, {L"INDIRECT(ADDRESS(4,3))", L"8"}});
}

TEST_F(ReferenceTest, LookupFindsTheLastKeyNotAbove) {
    Put(8, 1, 1);
    Put(9, 1, 2);
    Put(10, 1, 3);
    Put(8, 2, L"a");
    Put(9, 2, L"b");
    Put(10, 2, L"c");
    RunTable({{L"LOOKUP(25,F1:F4,G1:G4)", L"twenty"}, {L"LOOKUP(40,F1:F4,G1:G4)", L"forty"}, {L"LOOKUP(99,F1:F4,G1:G4)", L"forty"},
              {L"LOOKUP(5,F1:F4,G1:G4)", L"#N/A"}, {L"LOOKUP(30,F1:G4)", L"thirty"}, {L"LOOKUP(2.5,H1:J2)", L"b"},
              {L"LOOKUP(3,H1:J1,F1:F4)", L"30"}, {L"LOOKUP(20,F1:F4,H2:J2)", L"b"}, {L"LOOKUP(\"x\",F1:F4)", L"#N/A"},
              {L"LOOKUP(20,5)", L"#VALUE!"}});
}

TEST_F(ReferenceTest, IndirectFollowsTheCellsItNames) {
    Formula(9, 1, L"INDIRECT(A1)*10");   // I1 reads C3 through the text in A1
    EXPECT_EQ(Val(9, 1), L"50");
    Put(3, 3, 7);
    EXPECT_EQ(Val(9, 1), L"70");
    Put(1, 1, L"D4");                   // the text changes: it now reads D4
    EXPECT_EQ(Val(9, 1), L"90");
    Formula(9, 2, L"I1+1");             // a formula reading the volatile one follows it
    Put(4, 4, 2);
    EXPECT_EQ(Val(9, 1), L"20");
    EXPECT_EQ(Val(9, 2), L"21");
}

TEST_F(ReferenceTest, MadeReferencesAreCalculatedBeforeTheFormulaReadingThem) {
    SSSetBool(ss, SSB_AUTOCALC, FALSE);
    // K1 reads K3 through INDIRECT, K3 reads K5: whatever order they are written in, a
    // recalculation gives the current values.
    Formula(11, 1, L"INDIRECT(\"K3\")+1");
    Formula(11, 3, L"K5*2");
    Put(11, 5, 4);
    SSReCalc(ss);
    EXPECT_EQ(Val(11, 1), L"9");
    Put(11, 5, 10);
    SSReCalc(ss);
    EXPECT_EQ(Val(11, 1), L"21");
    SSSetBool(ss, SSB_AUTOCALC, TRUE);
    Put(11, 5, 1);
    EXPECT_EQ(Val(11, 3), L"2");
    EXPECT_EQ(Val(11, 1), L"3");
    // A chain of made references, written from the far end.
    Formula(12, 1, L"OFFSET(N2,0,-2)+1");
    Formula(12, 2, L"INDIRECT(\"L3\")+1");
    Formula(12, 3, L"K1");
    EXPECT_EQ(Val(12, 1), L"5");
    Put(11, 5, 2);
    EXPECT_EQ(Val(12, 1), L"7");
}

TEST_F(ReferenceTest, AMadeReferenceBackToItselfIsCircular) {
    Formula(13, 1, L"INDIRECT(\"M1\")+1");
    EXPECT_EQ(Val(13, 1), L"#CIRC!");
    Formula(13, 2, L"M3+1");
    Formula(13, 3, L"INDIRECT(\"M2\")");
    SSReCalc(ss);
    EXPECT_EQ(Val(13, 2), L"#CIRC!");
    EXPECT_EQ(Val(13, 3), L"#CIRC!");
    // A formula that only reads the cycle is not part of it.
    Formula(14, 1, L"IFERROR(M1,\"none\")");
    EXPECT_EQ(Val(14, 1), L"none");
    // Breaking the cycle mends it.
    Formula(13, 1, L"INDIRECT(\"B2\")+1");
    EXPECT_EQ(Val(13, 1), L"2");
}

TEST_F(ReferenceTest, MadeReferencesShiftNotWithInsertedRows) {
    Formula(9, 1, L"INDIRECT(\"B2\")");
    Formula(9, 2, L"OFFSET(B2,0,0)");
    SSInsRows(ss, 1, 1);
    // The text keeps naming B2 (now the old B1, empty); the OFFSET base moved with its cell.
    EXPECT_EQ(Val(9, 2), L"0");
    EXPECT_EQ(Val(9, 3), L"1");
}

}  // namespace
}  // namespace spread_test
