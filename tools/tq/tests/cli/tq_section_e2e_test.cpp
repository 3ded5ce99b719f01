// tq section list | show | import, run as a library maintainer would.
#include "tq_program.h"

namespace {

using tqtest::readAll;
using tqtest::writeAll;
namespace fs = std::filesystem;

class TqSection : public tqtest::TqProgram {
protected:
    void SetUp() override {
        TqProgram::SetUp();
        lib = dir / "library";
        fs::create_directories(lib);
        fs::copy(fs::path(TQ_SOURCE_DIR) / "examples" / "library" / "prof", lib / "prof",
                 fs::copy_options::recursive);
    }
    std::string libOption() const { return "--library " + tqtest::quote(lib); }
    fs::path pr(const std::string& name) const { return lib / "prof" / (name + ".pr"); }
    fs::path lib;
};

TEST_F(TqSection, ListsEveryTableWithItsTypeAndRowCount) {
    const auto run = tq("section list " + libOption());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("HEA\t1 <I section>\t17\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("UPN\t4 <Channel>\t12\n"), std::string::npos) << run.out;
}

TEST_F(TqSection, ShowThenImportGivesTheSameFileForEveryExampleTable) {
    for (const char* name : {"IPE", "HEA", "HEB", "UPN"}) {
        const std::string before = readAll(pr(name));
        const auto shown = tq(std::string("section show ") + name + " " + libOption());
        ASSERT_EQ(shown.status, 0) << shown.err;
        writeAll(dir / "table.tsv", shown.out);
        fs::remove(pr(name));
        const auto imported = tq("section import " + tqtest::quote(dir / "table.tsv") + " " + name + " " + libOption());
        ASSERT_EQ(imported.status, 0) << imported.err;
        EXPECT_EQ(readAll(pr(name)), before) << name;
    }
}

TEST_F(TqSection, ShowActiveLeavesOutInactiveSections) {
    writeAll(dir / "t.tsv",
             "1\nSysName\tI/O\tENG\tGER\tFRA\tNED\th\n"
             "A1\t1\tA 1\tA 1\tA 1\tA 1\t10\n"
             "A2\t0\tA 2\tA 2\tA 2\tA 2\t20\n");
    ASSERT_EQ(tq("section import " + tqtest::quote(dir / "t.tsv") + " Mine " + libOption()).status, 0);
    const auto all = tq("section show Mine.pr " + libOption());
    EXPECT_NE(all.out.find("A2\t0"), std::string::npos);
    const auto active = tq("section show Mine --active " + libOption());
    ASSERT_EQ(active.status, 0) << active.err;
    EXPECT_EQ(active.out, "1\nSysName\tI/O\tENG\tGER\tFRA\tNED\th\nA1\t1\tA 1\tA 1\tA 1\tA 1\t10\n");
    // CR LF line ends from a spreadsheet program are read the same.
    writeAll(dir / "crlf.tsv", "1\r\nSysName\tI/O\tENG\tGER\tFRA\tNED\th\r\nA1\t1\tA 1\tA 1\tA 1\tA 1\t10\r\n\r\n");
    ASSERT_EQ(tq("section import " + tqtest::quote(dir / "crlf.tsv") + " Mine " + libOption()).status, 0);
    EXPECT_EQ(readAll(pr("Mine")), "1\r\nSysName\tI/O\tENG\tGER\tFRA\tNED\th\r\nA1\t1\tA 1\tA 1\tA 1\tA 1\t10\r\n");
}

TEST_F(TqSection, MalformedTablesAreRefusedNamingTheLineAndLeaveTheOldFile) {
    const std::string before = readAll(pr("HEA"));
    const std::string head = "1\nSysName\tI/O\tENG\tGER\tFRA\tNED\th\tb\n";
    const std::string good = "HEA100\t1\tHEA 100\tHE 100 A\tHEA 100\tHEA100\t96\t100\n";
    const struct {
        std::string text;
        std::string message;
    } cases[] = {
        {head + good + "HEA100\t1\tx\tx\tx\tx\t1\t2\n", "line 4: the system name \"HEA100\" is used on line 3 already"},
        {head + good + "HEA120\tyes\tx\tx\tx\tx\t1\t2\n", "line 4: the active flag is \"yes\", not 0 or 1"},
        {head + "HEA120\t1\tx\tx\tx\tx\t1,5\t2\n", "line 3: the value \"1,5\" of column \"h\" is not a number"},
        {head + good + "HEA120\t1\tx\tx\tx\tx\t1\n", "line 4: 7 cells, the header has 8"},
        {head + good + "\n" + good, "line 4: empty line"},
        {"1\nSysName\tI/O\tENG\n", "line 2: the header has 3 columns, at least 6"},
        {"a\tb\n" + head.substr(2), "line 1: the picture reference must be a single cell"},
        {"1\n", "line 2: the column names are missing"},
    };
    for (const auto& c : cases) {
        writeAll(dir / "bad.tsv", c.text);
        const auto run = tq("section import " + tqtest::quote(dir / "bad.tsv") + " HEA " + libOption());
        EXPECT_EQ(run.status, 2) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("nothing written"), std::string::npos) << run.err;
        EXPECT_EQ(readAll(pr("HEA")), before) << c.message;
    }
}

TEST_F(TqSection, UsageErrorsAndMissingTables) {
    EXPECT_EQ(tq("section").status, 2);
    EXPECT_EQ(tq("section show").status, 2);
    EXPECT_EQ(tq("section list --active").status, 2);
    EXPECT_EQ(tq("section import only.tsv").status, 2);
    EXPECT_EQ(tq("section drop HEA").status, 2);
    const auto missing = tq("section show NOPE " + libOption());
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("no section table NOPE"), std::string::npos) << missing.err;
    writeAll(dir / "t.tsv", "1\nSysName\tI/O\tENG\tGER\tFRA\tNED\n");
    EXPECT_EQ(tq("section import " + tqtest::quote(dir / "t.tsv") + " 'a/b' " + libOption()).status, 2);
    // A text larger than any section table file is refused before it is read.
    writeAll(dir / "huge.tsv", std::string(16u * 1024u * 1024u + 1u, 'x'));
    const auto huge = tq("section import " + tqtest::quote(dir / "huge.tsv") + " HEA " + libOption());
    EXPECT_EQ(huge.status, 2);
    EXPECT_NE(huge.err.find("is larger than 16777216 bytes"), std::string::npos) << huge.err;
    fs::remove(dir / "huge.tsv");
    const auto help = tq("--help");
    EXPECT_NE(help.out.find("section show NAME [--active]"), std::string::npos);
}

}  // namespace
