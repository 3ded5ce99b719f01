#include "launcher/config_files.h"
#include "zenkar_harness.h"

namespace {

const std::string kStartupBox =
    "[Kelmora Startup] Kelmora program files not found.\n\nYou may have to reinstall Kelmora.\n\n";

std::string SettingsBox(bool library, bool acad) {
    std::string s = "[Kelmora Settings] The following setting(s) are incorrect:\n\n";
    if (library) s += "      - location of the Kelmora Library\n";
    if (acad) s += "      - location of AutoCAD\n";
    return s + "\nPlease correct it in the dialog box that follows.\n";
}

std::size_t Count(const std::string& haystack, const std::string& needle) {
    std::size_t n = 0;
    for (auto pos = haystack.find(needle); pos != std::string::npos; pos = haystack.find(needle, pos + 1)) ++n;
    return n;
}

}  // namespace

TEST_F(ZenkarTest, StartsAutoCadWithTheLoaderFromTheProgramDirectory) {
    writeGoodConfig();
    const RunResult r = run();
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "Kelmora\nversion 1.3a\nStarting AutoCAD...\n");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(waitForRecord(acad + "/acad.exe"), record(prog, {"/ld", Win(prog) + "\\ZkLoader.arx", "/nologo"}));
    EXPECT_FALSE(fs::exists(prog + "/Confwiz.exe.rec"));
}

TEST_F(ZenkarTest, DryRunListsTheLaunchAndStartsNothing) {
    writeGoodConfig();
    const RunResult r = dryRun();
    EXPECT_EQ(r.out, "Kelmora\nversion 1.3a\nStarting AutoCAD...\n"
                     "program: " + Win(acad) + "\\acad.exe\n"
                     "argument: /ld\n"
                     "argument: " + Win(prog) + "\\ZkLoader.arx\n"
                     "argument: /nologo\n"
                     "directory: " + Win(prog) + "\\\n");
    EXPECT_FALSE(fs::exists(acad + "/acad.exe.rec"));
    EXPECT_EQ(run({"--bogus"}).exitCode, 2);
}

TEST_F(ZenkarTest, GenerationZeroUsesSupportFoldersAndTheFrontOfTheAcadDirectory) {
    // Both markers: the older generation wins; a file counts as well as a directory.
    fs::create_directories(prog + "/acad2000");
    write(prog + "/Acad2004", "");
    write(prog + "/tarnix.arx", "loader");
    writeGoodConfig();
    const std::string a = Win(acad) + "\\", p = Win(prog) + "\\";
    const RunResult r = run();
    EXPECT_EQ(r.err, "");  // tarnix.arx is the loader of this generation
    EXPECT_EQ(waitForRecord(acad + "/acad.exe"),
              record("/", {"/s", a + "support;" + a + "express;" + a + "fonts;" + a + "help;" + p + ";" + p + "icons\\",
                           "/nologo"}));

    // A double backslash in the AutoCAD directory: the front part ends after the last one.
    const std::string split = Win(root) + "\\\\AutoCAD 2007\\";
    writeConfig("zklib=Z:\\lib\\\nacaddir=" + split + "\n");
    const RunResult d = dryRun();
    EXPECT_NE(d.out.find("\ndirectory: " + Win(root) + "\\\\\n"), std::string::npos) << d.out;
}

TEST_F(ZenkarTest, GenerationOneUsesTheLoaderArguments) {
    write(prog + "/Acad2004", "");
    writeGoodConfig();
    const RunResult r = dryRun();
    EXPECT_EQ(r.err, "");
    EXPECT_NE(r.out.find("argument: /ld\nargument: " + Win(prog) + "\\ZkLoader.arx\n"), std::string::npos);
    EXPECT_NE(r.out.find("directory: " + Win(prog) + "\\\n"), std::string::npos);
}

TEST_F(ZenkarTest, MissingLoaderIsReportedOnceAndTheLaunchStillHappens) {
    fs::remove(prog + "/ZkLoader.arx");
    writeGoodConfig();
    const RunResult r = run();
    EXPECT_EQ(r.err, kStartupBox);
    EXPECT_EQ(Count(r.err, "Kelmora program files not found."), 1u);
    EXPECT_NE(waitForRecord(acad + "/acad.exe"), "");
}

TEST_F(ZenkarTest, AcadDirectoryWithoutTrailingBackslashFailsTheCheck) {
    writeConfig("zklib=Z:\\lib\\\nacaddir=" + Win(acad) + "\n");
    const RunResult r = run();
    EXPECT_EQ(r.out, "Kelmora\n");
    EXPECT_EQ(r.err, SettingsBox(false, true));
    EXPECT_EQ(waitForRecord(prog + "/Confwiz.exe"), record(root, {}));
    EXPECT_FALSE(fs::exists(acad + "/acad.exe.rec"));
}

TEST_F(ZenkarTest, LibraryWithBlanksAroundTheEqualsSignIsNotRecognised) {
    writeConfig("zklib = Z:\\lib\\\nacaddir=" + Win(acad) + "\\\n");
    const RunResult r = dryRun();
    EXPECT_EQ(r.err, SettingsBox(true, false));
    EXPECT_EQ(r.out, "Kelmora\nprogram: " + Win(prog) + "\\Confwiz.exe\ndirectory: \n");
}

TEST_F(ZenkarTest, MissingOrUnreadableConfigReportsBothSettings) {
    EXPECT_EQ(dryRun().err, SettingsBox(true, true));
    fs::create_directories(prog + "/zkv6.cfg");  // cannot be read as a file
    EXPECT_EQ(dryRun().err, SettingsBox(true, true));
    // Without the settings program nothing is shown and nothing started.
    fs::remove(prog + "/Confwiz.exe");
    const RunResult r = dryRun();
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "Kelmora\n");
}

TEST_F(ZenkarTest, ConfigFilesLargerThanOneMebibyteCountAsUnreadable) {
    // Good settings padded with blank lines to exactly the limit are read; one byte more
    // and the file is not read at all (it is never loaded whole into memory).
    const std::string good = "zklib=Z:\\lib\\\nacaddir=" + Win(acad) + "\\\n";
    std::string padded = good + std::string(launcher::kMaxConfigFileBytes - good.size(), '\n');
    writeConfig(padded);
    EXPECT_EQ(dryRun().err, "");
    writeConfig(padded + "\n");
    EXPECT_EQ(dryRun().err, SettingsBox(true, true));
    // defset.dat past the limit gives no language: the default one is used.
    writeConfig(good);
    write(prog + "/defset.dat", "worklanguage = NL\n" + std::string(launcher::kMaxConfigFileBytes, '\n'));
    EXPECT_EQ(dryRun().out.substr(0, 41), "Kelmora\nversion 1.3a\nStarting AutoCAD...\n");
    write(prog + "/defset.dat", "worklanguage = NL\n");
    EXPECT_EQ(dryRun().out.substr(0, 45), "Kelmora\nversie 1.3a\nAutoCAD wordt gestart...\n");
}

TEST_F(ZenkarTest, EmptyAcadDirectoryIsNotAConfiguredAutoCad) {
    writeConfig("zklib=Z:\\lib\\\nacaddir=\n");
    write(root + "/acad.exe", "in the current directory");
    EXPECT_EQ(dryRun().err, SettingsBox(false, true));
}

TEST_F(ZenkarTest, ViewerModeNeedsOnlyAutoCad) {
    write(prog + "/viewer.cfg", "");
    writeConfig("acaddir=" + Win(acad) + "\\\nworkLanguage=NL\n");
    const RunResult r = dryRun();
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out.substr(0, r.out.find("program:")), "Kelmora\nviewer\n");
    EXPECT_NE(r.out.find("program: " + Win(acad) + "\\acad.exe\n"), std::string::npos);
    // Without AutoCAD the viewer cannot start either.
    writeConfig("");
    EXPECT_EQ(dryRun().err, SettingsBox(true, true));
}

TEST_F(ZenkarTest, WorkLanguageComesFromTheConfigBeforeDefset) {
    write(prog + "/defset.dat", "worklanguage = FR\n");
    writeConfig("zklib=Z:\\lib\\\nacaddir=" + Win(acad) + "\\\nWORKLANGUAGE=NL");  // last line, no newline
    EXPECT_EQ(dryRun().out.substr(0, 45), "Kelmora\nversie 1.3a\nAutoCAD wordt gestart...\n");
    writeGoodConfig();
    EXPECT_EQ(dryRun().out.substr(0, 44), "Kelmora\nversion 1.3a\nD\xE9marrage d'AutoCAD...\n");
    write(prog + "/defset.dat", "worklanguage=NL\nWorkLanguage = XX\n");
    EXPECT_EQ(dryRun().out.substr(0, 41), "Kelmora\nversion 1.3a\nStarting AutoCAD...\n");
}

TEST_F(ZenkarTest, PathsWrittenWithSlashesAreLaunchedWithBackslashes) {
    write(prog + "/Acad2000", "");
    write(prog + "/tarnix.arx", "");
    writeConfig("zklib=Z:/lib\nacaddir=Z:" + acad + "/\n");
    const RunResult r = run();
    EXPECT_EQ(r.err, "");
    const std::string a = Win(acad) + "\\";
    const std::string rec = waitForRecord(acad + "/acad.exe");
    EXPECT_NE(rec.find("[/s]\n[" + a + "support;" + a + "express;"), std::string::npos) << rec;
    const RunResult d = dryRun();
    EXPECT_NE(d.out.find("program: " + a + "acad.exe\n"), std::string::npos) << d.out;
    EXPECT_EQ(d.out.find('/', d.out.find("program:")), d.out.find("argument: /s") + 10);  // no "/" in paths
}

TEST_F(ZenkarTest, LongLinesAreCutAt1024Characters) {
    // The value ends in "\" exactly at character 1024; whatever follows on that line,
    // even something that looks like a key, is dropped.
    std::string line = "acaddir=" + Win(acad) + "\\";
    while (line.size() + 2 <= 1024) line += ".\\";
    if (line.size() < 1024) line.insert(8 + Win(acad).size(), "\\");
    ASSERT_EQ(line.size(), 1024u);
    writeConfig("zklib=Z:\\lib\\\n" + line + "zklib=\n");
    const RunResult r = dryRun();
    EXPECT_EQ(r.err, "");
    EXPECT_NE(r.out.find("program: "), std::string::npos) << r.out;
}

TEST_F(ZenkarTest, BytesOutsideAsciiAreTakenAsTheyAre) {
    const std::string odd = root + "/AutoCAD \xE9t\xE9";
    fs::create_directories(odd);
    writeRecorder(odd + "/acad.exe");
    writeConfig("zklib=Z:\\lib\\\nacaddir=" + Win(odd) + "\\\n");
    const RunResult r = run();
    EXPECT_EQ(r.err, "");
    EXPECT_NE(waitForRecord(odd + "/acad.exe"), "");
}
