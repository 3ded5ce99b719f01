#include <cstdlib>
#include <fstream>

#include <gtest/gtest.h>

#include "host/settings.h"
#include "host/texts.h"
#include "temp_folder.h"

namespace {
void writeHost(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

// Sets environment variables for one test and restores the settings afterwards.
class EnvTest : public ::testing::Test {
protected:
    void set(const char* name, const std::string& value) {
        ::setenv(name, value.c_str(), 1);
        m_names.push_back(name);
    }
    void TearDown() override {
        for (const char* n : m_names) ::unsetenv(n);
        gSettings.reload();
        reloadTexts();
    }

private:
    std::vector<const char*> m_names;
};
}  // namespace

using Settings = EnvTest;
using Texts = EnvTest;

TEST_F(Settings, FileThenEnvironment) {
    TempFolder dir;
    writeHost(dir.host() / "s.txt",
              "# product settings\nWorkLanguage = deu\nlibdir=C:\\Kelmora\\Library\n"
              "StandardsDiagnostics=yes\nnonsense line\nUnknown=1\n");
    set("TQ_SETTINGS", (dir.host() / "s.txt").string());
    gSettings.reload();
    EXPECT_EQ(gSettings.workLanguage, L"DEU");
    EXPECT_EQ(gSettings.libDir, L"C:\\Kelmora\\Library\\");
    EXPECT_TRUE(gSettings.current.standardsDiagnostics);

    set("TQ_LIBDIR", "/srv/lib");
    set("TQ_DIAGNOSTICS", "0");
    set("TQ_ZKDIR", "Z:\\opt\\zk");
    gSettings.reload();
    EXPECT_EQ(gSettings.libDir, L"Z:\\srv\\lib\\");
    EXPECT_FALSE(gSettings.current.standardsDiagnostics);
    EXPECT_EQ(gSettings.zkDir, L"Z:\\opt\\zk\\");
    EXPECT_EQ(gSettings.workLanguage, L"DEU");
}

TEST_F(Settings, MissingFileKeepsDefaults) {
    set("TQ_SETTINGS", "/nonexistent/tq_settings.txt");
    gSettings.reload();
    EXPECT_EQ(gSettings.workLanguage, L"ENG");
    EXPECT_TRUE(gSettings.libDir.isEmpty());
    EXPECT_FALSE(gSettings.current.standardsDiagnostics);
    EXPECT_FALSE(gSettings.loadFile(L"/nonexistent/x.txt"));
}

TEST_F(Texts, WorkLanguageFallbackAndPlaceholder) {
    TempFolder dir;
    writeHost(dir.host() / "ENG.txt", "# English\n1\tOK\n2\tCancel\n606\t&Add...\n700\tLine\\none\nbad\tline\n");
    writeHost(dir.host() / "DEU.txt", "1\tOK\n606\tHin&zuf\xC3\xBCgen:\n");
    set("TQ_LANGDIR", dir.host().string());
    reloadTexts();
    EXPECT_EQ(string(2), L"Cancel");
    EXPECT_EQ(dialString(700), L"Line\none");
    EXPECT_EQ(string(1234), L"#1234#");
    EXPECT_EQ(gMacroLangs.GetStringChopSymbols(606), L"Add");
    EXPECT_EQ(gMacroLangs.GetAllLanguages(), (Zk_StringArray{L"ENG", L"DEU"}));
    EXPECT_EQ(gMacroLangs.GetNrLanguages(), 2);
    EXPECT_EQ(dialStringAllLangs(606), (Zk_StringArray{L"&Add...", L"Hin&zuf\u00fcgen:"}));

    set("TQ_LANGUAGE", "deu");
    gSettings.reload();
    EXPECT_EQ(gMacroLangs.GetCurLanguage(), L"DEU");
    EXPECT_EQ(dialString(606), L"Hin&zuf\u00fcgen:");
    EXPECT_EQ(gMacroLangs.GetStringChopSymbols(606), L"Hinzuf\u00fcgen");
    EXPECT_EQ(string(2), L"Cancel");  // missing in DEU: English
}

TEST_F(Texts, GroupTextsByKeyWithEnglishFallback) {
    TempFolder dir;
    writeHost(dir.host() / "ENG.txt", "736\tHeight\nProf.tw\tWeb thickness\nProf.A\tArea\n");
    writeHost(dir.host() / "DEU.txt", "Prof.tw\tStegdicke\n");
    set("TQ_LANGDIR", dir.host().string());
    set("TQ_LANGUAGE", "DEU");
    gSettings.reload();
    reloadTexts();
    EXPECT_EQ(gMacroLangs.GetString(Zk_String(L"Prof"), Zk_String(L"tw")), L"Stegdicke");
    EXPECT_EQ(gMacroLangs.GetString(Zk_String(L"Prof"), Zk_String(L"A")), L"Area");
    EXPECT_TRUE(gMacroLangs.GetString(Zk_String(L"Prof"), Zk_String(L"h")).isEmpty());
    EXPECT_TRUE(gMacroLangs.GetString(Zk_String(), Zk_String(L"tw")).isEmpty());
    EXPECT_EQ(dialString(736), L"Height");
}

TEST_F(Texts, MissingFolderGivesPlaceholdersOnly) {
    set("TQ_LANGDIR", "/nonexistent/lang");
    reloadTexts();
    EXPECT_EQ(string(1), L"#1#");
    EXPECT_EQ(gMacroLangs.GetAllLanguages(), Zk_StringArray{L"ENG"});
}

TEST_F(Texts, EnglishFileHoldsEveryTextTheEngineAndFrameShow) {
    ::unsetenv("TQ_LANGDIR");
    reloadTexts();
    for (int nr : {1, 2, 86, 173, 174, 347, 606, 607, 695, 774, 775, 1154, 1155, 1156, 1157, 1400, 1401, 1543,
                   1762, 1763, 1764, 1765}) {
        const Zk_String text = gMacroLangs.GetStringInLanguage(nr, L"ENG");
        EXPECT_FALSE(text.isEmpty()) << nr;
        EXPECT_FALSE(text.startsWith(L"#")) << nr;
    }
}
