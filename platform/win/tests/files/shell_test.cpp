#include "win/shell.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

using Args = std::vector<std::wstring>;

// A program that records its working directory and arguments in "<itself>.rec". With
// waitForGo it first waits (up to 10 s) for "<itself>.go", and records whether it came.
void WriteRecorder(const TempDir& t, const std::string& rel, bool waitForGo) {
    std::string script = "#!/bin/sh\n";
    if (waitForGo) {
        script +=
            "i=0; while [ ! -e \"$0.go\" ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i+1)); done\n"
            "if [ -e \"$0.go\" ]; then s=go; else s=timeout; fi\n";
    }
    script += "{ pwd; echo \"$#\"; for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done; echo \"${s:-}\"; } > \"$0.rec.tmp\"\n"
              "mv \"$0.rec.tmp\" \"$0.rec\"\n";
    t.write(rel, script);
    ::chmod(t.host(rel).c_str(), 0755);
}

std::string Record(const TempDir& t, const std::string& rel) {
    win::WaitForLaunchedPrograms();
    return t.read(rel + ".rec");
}

bool Succeeded(HINSTANCE h) { return reinterpret_cast<INT_PTR>(h) > 32; }

}  // namespace

TEST(SplitCommandLine, FollowsTheWindowsRules) {
    EXPECT_EQ(SplitCommandLine(L"/ld \"C:\\a b\\x.arx\" /nologo"), (Args{L"/ld", L"C:\\a b\\x.arx", L"/nologo"}));
    EXPECT_EQ(SplitCommandLine(L"  a\t b  "), (Args{L"a", L"b"}));
    EXPECT_EQ(SplitCommandLine(L""), Args{});
    EXPECT_EQ(SplitCommandLine(L"\"\" x"), (Args{L"", L"x"}));
    EXPECT_EQ(SplitCommandLine(L"a\"b c\"d"), Args{L"ab cd"});
    EXPECT_EQ(SplitCommandLine(L"\"unterminated arg"), Args{L"unterminated arg"});
    EXPECT_EQ(SplitCommandLine(L"a\\\\b c:\\dir\\"), (Args{L"a\\\\b", L"c:\\dir\\"}));  // plain backslashes
    EXPECT_EQ(SplitCommandLine(L"\"c:\\dir\\\\\" next"), (Args{L"c:\\dir\\", L"next"}));  // 2n before quote
    EXPECT_EQ(SplitCommandLine(L"a\\\"b"), Args{L"a\"b"});                                 // 2n+1 before quote
    EXPECT_EQ(SplitCommandLine(L"\"say \"\"hi\"\"\""), Args{L"say \"hi\""});
    EXPECT_EQ(SplitCommandLineA("/s \"C:\\acad\\support;C:\\acad\\fonts;\" /nologo"),
              (std::vector<std::string>{"/s", "C:\\acad\\support;C:\\acad\\fonts;", "/nologo"}));
}

TEST(ShellExecute, RunsTheProgramWithSplitArgumentsInTheDirectory) {
    TempDir t;
    WriteRecorder(t, "Prog Dir/acad.exe", false);
    t.mkdir("work dir");
    const HINSTANCE h = ShellExecuteW(nullptr, L"open", L"T:\\prog dir\\ACAD.EXE",
                                      L"/ld \"C:\\a b\\x.arx\" /nologo $HOME;`id`", L"T:\\Work Dir\\", 1);
    ASSERT_TRUE(Succeeded(h)) << reinterpret_cast<INT_PTR>(h);
    EXPECT_EQ(Record(t, "Prog Dir/acad.exe"),
              t.host("work dir") + "\n4\n[/ld]\n[C:\\a b\\x.arx]\n[/nologo]\n[$HOME;`id`]\n\n");
}

TEST(ShellExecute, DoesNotWaitForTheProgram) {
    TempDir t;
    WriteRecorder(t, "slow", true);
    ASSERT_TRUE(Succeeded(ShellExecuteA(nullptr, "open", "T:\\slow", "", nullptr, 1)));
    // Had the call waited, the program would have run into its time-out by now.
    EXPECT_FALSE(t.exists("slow.rec"));
    t.write("slow.go", "");
    EXPECT_EQ(Record(t, "slow"), std::filesystem::current_path().string() + "\n0\ngo\n");
}

TEST(ShellExecute, ReportsFailuresAsSmallValues) {
    TempDir t;
    WriteRecorder(t, "p", false);
    t.write("doc.txt", "not a program");
    const auto code = [](HINSTANCE h) { return reinterpret_cast<INT_PTR>(h); };
    EXPECT_EQ(code(ShellExecuteW(nullptr, L"open", L"T:\\missing.exe", L"", nullptr, 1)), SE_ERR_FNF);
    EXPECT_EQ(code(ShellExecuteW(nullptr, L"open", L"T:\\no\\missing.exe", L"", nullptr, 1)), SE_ERR_PNF);
    EXPECT_EQ(code(ShellExecuteW(nullptr, L"open", L"T:\\p", L"", L"T:\\no such dir", 1)), SE_ERR_PNF);
    EXPECT_EQ(code(ShellExecuteW(nullptr, L"open", L"T:\\doc.txt", L"", nullptr, 1)), SE_ERR_NOASSOC);
    EXPECT_EQ(code(ShellExecuteW(nullptr, L"print", L"T:\\p", L"", nullptr, 1)), SE_ERR_NOASSOC);
    EXPECT_EQ(code(ShellExecuteW(nullptr, L"open", nullptr, L"", nullptr, 1)), SE_ERR_FNF);
    EXPECT_FALSE(t.exists("p.rec"));
    EXPECT_TRUE(Succeeded(ShellExecuteW(nullptr, nullptr, L"T:\\p", nullptr, nullptr, 1)));  // default verb
    EXPECT_NE(Record(t, "p"), "");
}
