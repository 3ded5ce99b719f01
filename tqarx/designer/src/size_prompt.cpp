#include "designer/size_prompt.h"

// The module's prompt dialog is not available yet: nothing is asked and nothing changes.
bool promptForControlSize(bool, double&) { return false; }
