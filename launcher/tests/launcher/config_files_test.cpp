#include "launcher/config_files.h"

#include <gtest/gtest.h>

using launcher::LauncherConfig;

TEST(ConfigFiles, LinesAreSplitCutAndEmptyOnesSkipped) {
    const std::string longLine = std::string(1030, 'x');
    const auto lines = launcher::ConfigLines("a\r\n\n\r\nb\n" + longLine + "\nlast");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "a");
    EXPECT_EQ(lines[1], "b");
    EXPECT_EQ(lines[2], std::string(1024, 'x'));  // the rest of the line is dropped, not a line of its own
    EXPECT_EQ(lines[3], "last");
}

TEST(ConfigFiles, KeysMatchWithoutCaseAndTheLastLineWins) {
    LauncherConfig c;
    launcher::ReadZkv6("ZKLIB=C:\\one\\\nzklib=C:\\two\\\nAcadDir=D:\\acad\\\nworklanguage=NL\nzklibx=no\n"
                       "zklib =C:\\blank\\\n",
                       c);
    EXPECT_EQ(c.libraryDir, "C:\\two\\");
    EXPECT_EQ(c.acadDir, "D:\\acad\\");
    EXPECT_EQ(c.workLanguage, "NL");
    launcher::ReadZkv6("zklib=\nacaddir= D:\\x\\ \n", c);
    EXPECT_EQ(c.libraryDir, "");
    EXPECT_EQ(c.acadDir, " D:\\x\\ ");  // values are taken as they are
}

TEST(ConfigFiles, DefsetLanguageNeedsTheBlanksAroundTheEqualsSign) {
    EXPECT_EQ(launcher::ReadDefsetLanguage("WorkLanguage = FR\nother = 1\nworklanguage = NL\n"), "NL");
    EXPECT_EQ(launcher::ReadDefsetLanguage("worklanguage=NL\nworklanguage =FR\n"), "");
    EXPECT_EQ(launcher::ReadDefsetLanguage("worklanguage = \xE9t\xE9"), "\xE9t\xE9");
}
