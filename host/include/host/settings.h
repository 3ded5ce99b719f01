// The product settings gSettings. Defaults, then the settings file, then the
// environment, later ones winning:
//   settings file: the file named by TQ_SETTINGS, else "tq_settings.txt" in zkDir.
//     UTF-8 lines "Key=Value"; "#" starts a comment line; keys (case ignored):
//     WorkLanguage, LibDir, ZkDir, StandardsDiagnostics (0/1, true/false, yes/no).
//   environment: TQ_LANGUAGE, TQ_LIBDIR, TQ_ZKDIR, TQ_DIAGNOSTICS.
// Folders are kept as Windows paths ending in "\" (host paths are converted: "/a/b"
// becomes "Z:\a\b\").
#pragma once

#include "host/zk_string.h"

struct Zk_CurrentSettings {
    // Show the standards engine's diagnostic message boxes.
    bool standardsDiagnostics = false;
};

struct Zk_Settings {
    Zk_String workLanguage = L"ENG";
    Zk_String libDir;   // the product library folder
    Zk_String zkDir;    // the program folder
    Zk_CurrentSettings current;

    Zk_Settings();
    // Back to the defaults, then settings file and environment again.
    void reload();
    // Applies one settings file; false (nothing changed) when it cannot be read.
    bool loadFile(const Zk_String& hostOrWindowsPath);
    void applyEnvironment();
    // A folder in the stored form (Windows path ending in "\"); empty stays empty.
    static Zk_String normalizeFolder(const Zk_String& folder);
};
extern Zk_Settings gSettings;
