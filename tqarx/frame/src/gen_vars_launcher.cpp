#include "frame/gen_vars_launcher.h"

#include "engine/dlg_gen_vars.h"
#include "frame/launch.h"
#include "host/auto_standards_data.h"

bool StartDlgGenVars(KmAutoStandardsData& data) {
    return launchModal<CDlgGenVars, KmAutoStandardsData>(data, &CDlgGenVars::data);
}
