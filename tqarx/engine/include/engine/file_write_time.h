// Whether a file's last write time can be trusted to tell a later change. File systems
// keep write times to a coarse clock, so a file rewritten with the same size right after
// it was read may keep its write time; the caches of file contents keep only files whose
// last write is older than that window.
#pragma once

#include "win/files.h"

bool writeTimeIsSettled(const FILETIME& written);
