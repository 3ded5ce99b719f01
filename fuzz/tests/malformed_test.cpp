// Malformed files: every example of each format cut at every byte offset, and with its
// separators injected at every line start, is either read or refused with a message that
// names the file and line. A crash or a hang fails the test program itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/km_tq_mapping.h"
#include "engine/standard_sizes.h"
#include "engine/table_lookup.h"
#include "fuzz_support.h"
#include "host/macro_file.h"
#include "host/macro_model.h"
#include "launcher/config_files.h"
#include "spread/ss_api.h"

namespace {

std::string example(const std::string& relative) {
    return fuzz::readHostFile(std::string(TQ_SOURCE_DIR) + "/" + relative);
}

// Cuts of text at every offset, then text with sep inserted after every line break.
std::vector<std::string> variants(const std::string& text, const std::vector<std::string>& seps) {
    std::vector<std::string> out;
    for (std::size_t n = 0; n < text.size(); ++n) out.push_back(text.substr(0, n));
    for (const std::string& sep : seps) {
        for (std::size_t p = 0; p <= text.size(); p = text.find('\n', p) == std::string::npos ? text.size() + 1 : text.find('\n', p) + 1) {
            std::string v = text;
            v.insert(std::min(p, v.size()), sep);
            out.push_back(v);
        }
    }
    return out;
}

const char* const kSheetExamples[] = {"examples/library/Connection Standards/EndPlate.kms",
                                      "examples/library/Connection Standards/Childs/BoltLayout.kms"};

TEST(MalformedFiles, SpreadsheetFilesLoadOrNameFileAndLine) {
    HWND ss = fuzz::freshSheet(0);
    for (const char* name : kSheetExamples) {
        const std::string text = example(name);
        ASSERT_FALSE(text.empty()) << name;
        int refused = 0;
        for (const std::string& v : variants(text, {"\t", "\n", "=", "size\t-1\t-1\n", "\r", "\"", "KMSHEET\t9\n"})) {
            if (SSLoadFromBuffer(ss, v, L"cut.kms")) continue;
            ++refused;
            const std::wstring why = SSGetLastErrorText(ss);
            EXPECT_NE(why.find(L"cut.kms"), std::wstring::npos) << why;
            EXPECT_NE(why.find(L"line"), std::wstring::npos) << why;
        }
        EXPECT_GT(refused, 0) << name << ": no variant was refused";
    }
}

TEST(MalformedFiles, TabGridsFromDiskLoadOrNameTheFile) {
    HWND ss = fuzz::freshSheet(0);
    const std::string text = example("examples/library/Connection Standards/Data/BoltEdgeDistances.txt");
    ASSERT_FALSE(text.empty());
    for (const std::string& v : variants(text, {"\t", "\r\n", "\t\t\t", "="})) {
        const Zk_String path = fuzz::writeScratch("grid.txt", v);
        if (!SSLoadFromFile(ss, path.c_str())) {
            EXPECT_NE(SSGetLastErrorText(ss).find(L"grid.txt"), std::wstring::npos);
        }
    }
}

TEST(MalformedFiles, MacroFilesParseOrNameFileAndLine) {
    const std::string text = fuzz::readHostFile(std::string(TQ_SOURCE_DIR) + "/fuzz/corpus/macro_file/two_modules.mac");
    ASSERT_FALSE(text.empty());
    int refused = 0;
    for (const std::string& v : variants(text, {"\"", "=", "var X 1\n", "module ", " x=", "#", "\t"})) {
        Zk_Macro macro;
        MacroData data;
        Zk_String error;
        if (parseMacroText(Zk_String(v), Zk_String(L"cut.mac"), macro, data, error)) continue;
        ++refused;
        EXPECT_NE(error.wstr().find(L"cut.mac("), std::wstring::npos) << error.wstr();
    }
    EXPECT_GT(refused, 0);
}

TEST(MalformedFiles, MappingFilesLoadWhatParsesAndNeverInventEntries) {
    const std::string text = example("examples/library/Connection Standards/EndPlate.map");
    ASSERT_FALSE(text.empty());
    KmTqMapping whole;
    const Zk_String tqFile = fuzz::scratchPath("cut.kms");
    fuzz::writeScratch("cut.map", text);
    ASSERT_EQ(whole.getMappingFromFile(tqFile, Zk_String(L"EndPlate")), Acad::eOk);
    for (const std::string& v : variants(text, {"\xC2\xBF", "\xC6\x92", "\xE2\x80\xA2", "=", "\r"})) {
        fuzz::writeScratch("cut.map", v);
        KmTqMapping m;
        if (m.getMappingFromFile(tqFile, Zk_String(L"EndPlate")) != Acad::eOk) continue;
        EXPECT_LE(m.mappedObjects().length(), whole.mappedObjects().length() + 1);
    }
}

TEST(MalformedFiles, SizeFilesNameTheBadLine) {
    const std::string text = example("examples/library/Connection Standards/Data/EndPlateWidths.txt");
    ASSERT_FALSE(text.empty());
    const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 2;
    for (const std::string& v : variants(text, {"x", "/*", "*/", "xx", "\t", "abc\n"})) {
        KmSizeList sizes;
        int bad = 0;
        if (parseSizeList(Zk_String(v), sizes, &bad)) {
            EXPECT_EQ(sizes.a.size(), sizes.b.size());
            continue;
        }
        EXPECT_GE(bad, 1);
        EXPECT_LE(bad, lines);
    }
}

TEST(MalformedFiles, TablesAndConfigFilesReadWhatTheyHoldAndNothingElse) {
    // The whole files first: what they hold.
    const std::string table = example("examples/library/Connection Standards/Data/EndPlateBolts.txt");
    const std::string zkv6 = example("fuzz/corpus/zkv6_cfg/basic.cfg");
    const std::string defset = example("fuzz/corpus/defset_dat/basic.dat");
    ASSERT_FALSE(table.empty() || zkv6.empty() || defset.empty());
    const KmTableRows rows = parseTableText(Zk_String(table));
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[1][0], Zk_String(L"10.000000"));
    EXPECT_EQ(rows[1][1], Zk_String(L"16"));
    launcher::LauncherConfig config;
    launcher::ReadZkv6(zkv6, config);
    EXPECT_EQ(config.libraryDir, "C:\\Kelmora\\lib");
    EXPECT_EQ(config.acadDir, "C:\\Program Files\\CAD");
    EXPECT_EQ(config.workLanguage, "ENG");
    EXPECT_EQ(launcher::ReadDefsetLanguage(defset), "GER");

    // Cut short or with separators put in, a file gives only what it still holds.
    for (const std::string& v : variants(table, {"\t", "//", "=", "\r", "\xA4"})) {
        const std::wstring text = Zk_String(v).wstr();
        for (const Zk_StringArray& row : parseTableText(Zk_String(v))) {
            ASSERT_GT(row.length(), 0);
            for (const Zk_String& field : row) {
                EXPECT_EQ(field.find(L'\t'), -1);
                EXPECT_EQ(field.find(Zk_String(L"//")), -1);  // comments are cut
                EXPECT_NE(text.find(field.wstr()), std::wstring::npos);
            }
        }
    }
    for (const std::string& v : variants(zkv6, {"\t", "//", "=", "\r", "\xA4"})) {
        launcher::LauncherConfig read;
        read.libraryDir = read.acadDir = read.workLanguage = "unset";
        launcher::ReadZkv6(v, read);
        // A value comes from a line of its key, taken as it is; a key without a line
        // leaves the field alone.
        const std::pair<const char*, const std::string*> keys[] = {
            {"zklib=", &read.libraryDir}, {"acaddir=", &read.acadDir}, {"workLanguage=", &read.workLanguage}};
        for (const auto& [key, value] : keys) {
            if (*value == "unset") {
                const bool keyLine = v.compare(0, std::strlen(key), key) == 0 ||
                                     v.find("\n" + std::string(key)) != std::string::npos;
                EXPECT_FALSE(keyLine) << key << " in\n" << v;
                continue;
            }
            EXPECT_NE(v.find(std::string(key) + *value), std::string::npos) << key << *value << " in\n" << v;
            EXPECT_LE(value->size(), launcher::kMaxConfigLine);
        }
    }
    for (const std::string& v : variants(defset, {"\t", "//", "=", "\r", "\xA4"})) {
        const std::string language = launcher::ReadDefsetLanguage(v);
        EXPECT_LE(language.size(), launcher::kMaxConfigLine);
        if (!language.empty()) {
            EXPECT_NE(v.find("worklanguage = " + language), std::string::npos) << v;
        }
    }
}

}  // namespace
