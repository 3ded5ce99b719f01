// Evaluating a connection standard in a pooled hidden window.
#pragma once

class KmDlgStandardsData;

// Takes a window from gTqDlgsMgr, copies data in and evaluates; on eOk copies the
// window's record back and returns true. The window always returns to the pool.
// False (data unchanged) when no window can be had or the evaluation fails.
bool StartDlgStandardsTq(KmDlgStandardsData& data);
// The fixed test evaluation: "c:\a\a\a\test.kms" in value mode with the inputs
// Column = "IPE-200", Thickness = "10" and the outputs Width = "212", Length = "356".
bool StartDlgStandardsTqtest();
