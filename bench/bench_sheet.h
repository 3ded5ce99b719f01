// Driving a workload through the spreadsheet control: a control of its own, loading the
// workload's file, checking the expected values, applying the change.
#pragma once

#include <string>

#include "spread/ss_api.h"
#include "workloads.h"

namespace bench {

// A hidden top-level spreadsheet control, destroyed with the object.
class Control {
public:
    Control();
    ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    HWND hwnd() const { return hwnd_; }
private:
    HWND hwnd_ = nullptr;
};

// Writes the workload's native file into the scratch folder once and returns its path.
std::wstring WorkloadFile(const Workload& w);
std::wstring ScratchDir();

// Loads a file; false with why on failure.
bool LoadFile(HWND h, const std::wstring& file, std::string& why);
// All checks hold (after the first calculation, or after the change with after = true).
bool VerifyChecks(HWND h, const std::vector<Check>& checks, std::string& why);
// Applies the workload's change (or its inverse, putting the original cells back).
bool ApplyEdits(HWND h, const Workload& w, bool undo, std::string& why);

// Sets one cell from a workload text ("=..." a formula, a number, else a text).
bool SetCellText(HWND h, int col, int row, const std::string& text);

}  // namespace bench
