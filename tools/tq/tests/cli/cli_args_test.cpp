#include <gtest/gtest.h>

#include "tq/cli_args.h"
#include "tq/cli_output.h"

using tq::Command;
using tq::parseCommandLine;

TEST(CliArgs, EvalInValueAndMacroMode) {
    auto r = parseCommandLine({"eval", "--library", "lib", "EndPlate", "Column=HEA200", "Note=a=b", "--json"});
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.options.command, Command::Eval);
    EXPECT_EQ(r.options.library, "lib");
    EXPECT_TRUE(r.options.json);
    ASSERT_EQ(r.options.values.size(), 2u);
    EXPECT_EQ(r.options.values[1].first, "Note");
    EXPECT_EQ(r.options.values[1].second, "a=b");  // only the first "=" splits

    r = parseCommandLine({"eval", "--macro=m.macro", "--group", "Plates", "--out", "o", "S"});
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.options.macroFile, "m.macro");
    EXPECT_EQ(r.options.group, "Plates");
    EXPECT_EQ(r.options.outFile, "o");
    EXPECT_EQ(r.options.standard, "S");
}

TEST(CliArgs, GalleryTakesItsFolder) {
    auto r = parseCommandLine({"gallery", "--library", "lib", "pictures"});
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.options.command, Command::Gallery);
    EXPECT_EQ(r.options.galleryDir, "pictures");
    EXPECT_NE(tq::usageText().find("gallery OUTDIR"), std::string::npos);
    EXPECT_NE(tq::commandHelp(Command::Gallery).find("index.html"), std::string::npos);
}

TEST(CliArgs, RejectsWhatCannotBeMeant) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"eval"},
        {"eval", "--colour", "S"},
        {"eval", "S", "--library"},
        {"eval", "--mapping", "M", "S"},                       // needs --macro
        {"eval", "--macro", "m", "--mapping", "M", "--group", "G", "S"},
        {"eval", "S", "A=1", "A=2"},                           // given twice
        {"eval", "S", "=1"},
        {"eval", "S", "justaname"},
        {"eval", "--macro", "m", "S", "A=1"},                  // values are for value mode
        {"show"},
        {"gallery"},
        {"gallery", "a", "b"},
        {"gallery", "--json", "out"},
        {"import", "grid"},
        {"show", "--json", "f"},
        {"nonsense"},
    };
    for (const auto& args : bad) {
        const auto r = parseCommandLine(args);
        EXPECT_FALSE(r.ok) << "accepted: " << ::testing::PrintToString(args);
        EXPECT_FALSE(r.error.empty());
        EXPECT_EQ(r.error.find('\n'), std::string::npos);
    }
}

TEST(CliArgs, HelpForTheProgramAndForACommand) {
    auto r = parseCommandLine({"--help"});
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.options.command, Command::None);
    r = parseCommandLine({"import", "-h"});
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.options.help);
    EXPECT_EQ(r.options.command, Command::Import);
}

TEST(CliOutput, JsonEscapesTextAndReplacesBrokenUtf8) {
    EXPECT_EQ(tq::jsonString("a\"b\\c\n\t\x01"), "\"a\\\"b\\\\c\\n\\t\\u0001\"");
    EXPECT_EQ(tq::jsonString("\xE2\x80\xA2"), "\"\xE2\x80\xA2\"");  // a bullet stays
    EXPECT_EQ(tq::jsonString("x\xFFy\xC3"), "\"x\\ufffdy\\ufffd\"");

    tq::RunReport report;
    report.ok = true;
    report.standard = "S";
    report.mode = "value";
    report.outputs = {{"Width", "260"}};
    report.messages = {{tq::RunMessage::Box, "Cap", "Text"}, {tq::RunMessage::Trace, "", "line\n"}};
    EXPECT_EQ(tq::formatJson(report),
              "{\"ok\":true,\"standard\":\"S\",\"mode\":\"value\",\"outputs\":{\"Width\":\"260\"},"
              "\"messages\":[{\"kind\":\"box\",\"caption\":\"Cap\",\"text\":\"Text\"},"
              "{\"kind\":\"trace\",\"text\":\"line\\n\"}]}\n");
}
