#include "window_fixture.h"

TEST_F(WindowTest, MessageBoxWithoutHookPrintsAndTakesTheDefaultButton) {
    ::testing::internal::CaptureStderr();
    int a = MessageBoxW(nullptr, L"Save changes?", L"Editor", MB_YESNOCANCEL | MB_DEFBUTTON2 | MB_ICONQUESTION);
    int b = MessageBoxA(nullptr, "Done", nullptr, MB_OK);
    std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(a, IDNO);
    EXPECT_EQ(b, IDOK);
    EXPECT_NE(err.find("[Editor] Save changes?\n"), std::string::npos);
    EXPECT_NE(err.find("[Error] Done\n"), std::string::npos);
    ASSERT_EQ(win::MessageBoxLog().size(), 2u);
    EXPECT_EQ(win::MessageBoxLog()[0].flags, MB_YESNOCANCEL | MB_DEFBUTTON2 | MB_ICONQUESTION);
    EXPECT_EQ(win::MessageBoxLog()[0].answer, IDNO);
}

TEST_F(WindowTest, MessageBoxHookAnswersAndAnAnswerThatIsNoButtonFallsBackToTheDefault) {
    win::SetMessageBoxHook([](const win::MessageBoxRecord& box, void*) { return box.text == L"a" ? IDRETRY : IDYES; },
                           nullptr);
    EXPECT_EQ(MessageBoxW(nullptr, L"a", L"c", MB_RETRYCANCEL), IDRETRY);
    EXPECT_EQ(MessageBoxW(nullptr, L"b", L"c", MB_OKCANCEL), IDOK);  // IDYES is not a button here
    EXPECT_EQ(win::MessageBoxLog().back().answer, IDOK);
}
