#include <gtest/gtest.h>

#include <sstream>

#include "cli/batch.h"

namespace tq {
namespace {

TEST(BatchTable, ReadsHeaderAndRowsAndWritesThemBack) {
    BatchTable t;
    std::string error;
    ASSERT_TRUE(parseBatchTable("Column\tThickness\r\nHEA200\t10\r\nIPE200\t\n", t, error)) << error;
    EXPECT_EQ(t.header, (std::vector<std::string>{"Column", "Thickness"}));
    ASSERT_EQ(t.rows.size(), 2u);
    EXPECT_EQ(t.rows[1], (std::vector<std::string>{"IPE200", ""}));
    EXPECT_EQ(formatBatchTable(t), "Column\tThickness\nHEA200\t10\nIPE200\t\n");
}

TEST(BatchTable, ShortRowsAreFilledAndEmptyLinesInsideAreRows) {
    BatchTable t;
    std::string error;
    ASSERT_TRUE(parseBatchTable("A\tB\nx\n\ny\tz", t, error)) << error;
    ASSERT_EQ(t.rows.size(), 3u);
    EXPECT_EQ(t.rows[0], (std::vector<std::string>{"x", ""}));
    EXPECT_EQ(t.rows[1], (std::vector<std::string>{"", ""}));
    EXPECT_EQ(t.rows[2], (std::vector<std::string>{"y", "z"}));
}

TEST(BatchTable, MalformedTablesAreRejectedWithTheirLine) {
    BatchTable t;
    std::string error;
    EXPECT_FALSE(parseBatchTable("", t, error));
    EXPECT_NE(error.find("line 1"), std::string::npos);
    EXPECT_FALSE(parseBatchTable("A\t\tB\n", t, error));
    EXPECT_NE(error.find("without a name"), std::string::npos);
    EXPECT_FALSE(parseBatchTable("A\tA\n", t, error));
    EXPECT_NE(error.find("twice"), std::string::npos);
    EXPECT_FALSE(parseBatchTable("A\tB\n1\t2\n1\t2\t3\n", t, error));
    EXPECT_NE(error.find("line 3"), std::string::npos);
}

TEST(BatchProgress, BarShowsCountRateAndTimeLeft) {
    EXPECT_EQ(BatchProgress::barText(50, 100, 2.0), "[###############...............] 50/100 25.0/s 2 s left");
    EXPECT_EQ(BatchProgress::barText(0, 10, 0.0), "[..............................] 0/10");
    EXPECT_EQ(BatchProgress::summaryText(1000, 2, 4.0), "1000 evaluated, 2 failed in 4.00 s (250.0 per second)");
}

TEST(BatchProgress, WithoutTerminalOnlyTheSummaryIsWritten) {
    std::ostringstream err;
    BatchProgress p(err, 3, false);
    p.step(true);
    p.step(false);
    p.step(true);
    p.finish();
    EXPECT_EQ(err.str().find('\r'), std::string::npos);
    EXPECT_NE(err.str().find("3 evaluated, 1 failed"), std::string::npos);
}

}  // namespace
}  // namespace tq
