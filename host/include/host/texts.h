// Numbered texts: the user-visible texts of the product, by number, in the work
// language. They come from the language files "<CODE>.txt" (UTF-8, one text per line:
// number, a tab, the text; "\n" and "\t" in a text stand for a line break and a tab;
// lines starting with "#" are comments). The folder is, in this order: the environment
// variable TQ_LANGDIR, "lang\" below gSettings.zkDir when it holds the language files,
// or the folder compiled in at build time. A number without text gives "#<number>#".
// Texts of a named group are lines "GROUP.KEY", a tab, the text (e.g. "Prof.tw").
#pragma once

#include "host/zk_array.h"
#include "host/zk_string.h"

// Numbered text 695: the keep marker ("leave unchanged") offered in lists; a stored
// value of -1 selects it.
constexpr int kKeepMarkerText = 695;

// The numbered text in the work language (falls back to English, then "#nr#").
Zk_String string(int nr);
// The numbered dialog text (same table).
Zk_String dialString(int nr);
// The numbered text in every available language, in the order of GetAllLanguages.
Zk_StringArray dialStringAllLangs(int nr);

class Zk_MacroLangs {
public:
    Zk_String GetString(int nr) const;
    // The text of key in a named group ("Prof", "tw"); empty when there is none.
    Zk_String GetString(const Zk_String& group, const Zk_String& key) const;
    // As GetString without accelerator marks ("&") and a trailing ":" or "...".
    Zk_String GetStringChopSymbols(int nr) const;
    // The code of the work language, e.g. "ENG".
    Zk_String GetCurLanguage() const;
    // The codes of every language that has a file, "ENG" first.
    Zk_StringArray GetAllLanguages() const;
    int GetNrLanguages() const;
    // The text in a given language (same fallback as GetString).
    Zk_String GetStringInLanguage(int nr, const Zk_String& code) const;
};
extern Zk_MacroLangs gMacroLangs;

// The folder the language files are read from (Windows path ending in "\").
Zk_String textsFolder();
// Drops the loaded tables so that the next look-up reads the files again (after a
// change of folder or work language).
void reloadTexts();
