// Pictures of the open windows when a test fails: a GoogleTest listener that, on each
// failure inside a test, draws every visible top-level window (the dialog under test, its
// message boxes are answered by then) into the test's output folder as
// <Suite>.<Test>-<n>.png (n counts the failures of the test; a second window adds "-2", ...).
// The folder is TEST_UNDECLARED_OUTPUTS_DIR when set, else "test-pictures" in the build
// tree (beside bin/), else the temporary folder. Including mfc/scripted_user.h installs it.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "mfc/window_picture.h"

namespace mfc {

class FailurePictures : public ::testing::EmptyTestEventListener {
public:
    static std::string outputFolder() {
        if (const char* dir = std::getenv("TEST_UNDECLARED_OUTPUTS_DIR"); dir && *dir) return dir;
#ifdef TQ_BIN_DIR
        return (std::filesystem::path(TQ_BIN_DIR).parent_path() / "test-pictures").string();
#else
        return (std::filesystem::temp_directory_path() / "test-pictures").string();
#endif
    }
    // The test's name is kept here: asking the unit test for it while it reports a failure
    // would wait on the lock it holds.
    void OnTestStart(const ::testing::TestInfo& test) override {
        m_test = std::string(test.test_suite_name()) + "." + test.name();
        m_failures = 0;
    }
    void OnTestEnd(const ::testing::TestInfo&) override { m_test.clear(); }
    void OnTestPartResult(const ::testing::TestPartResult& result) override {
        if (!result.failed() || m_saving || m_test.empty()) return;
        m_saving = true;  // a failure while drawing must not draw again
        const std::string name = m_test + "-" + std::to_string(++m_failures);
        lastSaved = SaveWindowPictures(outputFolder(), sanitize(name));
        m_saving = false;
    }
    std::vector<std::string> lastSaved;  // the files of the last failure

private:
    // Parameterised test names hold '/'.
    static std::string sanitize(std::string s) {
        for (char& c : s)
            if (c == '/' || c == '\\' || c == ':') c = '_';
        return s;
    }
    std::string m_test;
    int m_failures = 0;
    bool m_saving = false;
};

// Installs one listener for the test program (idempotent); the listener is returned.
inline FailurePictures& InstallFailurePictures() {
    static FailurePictures* listener = [] {
        auto* l = new FailurePictures;
        ::testing::UnitTest::GetInstance()->listeners().Append(l);  // gtest owns it
        return l;
    }();
    return *listener;
}

inline const bool kFailurePicturesInstalled = (InstallFailurePictures(), true);

}  // namespace mfc
