// Editing the general variables of the automatic standards.
#pragma once

class KmAutoStandardsData;

// Runs the general-variables dialog on a copy of data with the module's resources
// selected. On OK copies the edited record back and returns true; on Cancel returns
// false and data is untouched.
bool StartDlgGenVars(KmAutoStandardsData& data);
