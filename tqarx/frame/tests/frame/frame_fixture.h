// A test fixture that attaches the module frame (linked into the test) as the CAD host
// would: process attach, then the init message; and unloads it again afterwards. Dialog
// sizes go to a fresh folder.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>
#include <unistd.h>

#include "acad/command_line.h"
#include "acad/module_loader.h"
#include "acad/rx.h"
#include "frame/module_entry.h"
#include "mfc/resources.h"
#include "win/module.h"
#include "win/timer.h"

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_stateDir = std::filesystem::temp_directory_path() / ("tq_frame_test_" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_stateDir);
        ::setenv("TQ_DLGSTATE_DIR", m_stateDir.string().c_str(), 1);
        win::ResetTimers();
        acad::ResetServices();
        acad::ClearCommandLine();
        acad::ClearEditorLog();
        m_instance = GetModuleHandleW(nullptr);
        // The caller's resources are another module's, so a launcher's switch shows.
        m_callerResource = win::ModuleFromAddress(reinterpret_cast<const void*>(&AfxGetResourceHandle));
        ASSERT_NE(m_callerResource, nullptr);
        ASSERT_NE(m_callerResource, m_instance);
        AfxSetResourceHandle(m_callerResource);
        ASSERT_TRUE(DllMain(m_instance, DLL_PROCESS_ATTACH, nullptr));
        ASSERT_EQ(acrxEntryPoint(AcRx::kInitAppMsg, m_instance), AcRx::kRetOK);
    }
    void TearDown() override {
        acrxEntryPoint(AcRx::kUnloadAppMsg, m_instance);
        DllMain(m_instance, DLL_PROCESS_DETACH, nullptr);
        ::unsetenv("TQ_DLGSTATE_DIR");
        std::error_code ec;
        std::filesystem::remove_all(m_stateDir, ec);
    }

    HINSTANCE m_instance = nullptr;
    HINSTANCE m_callerResource = nullptr;
    std::filesystem::path m_stateDir;
};
