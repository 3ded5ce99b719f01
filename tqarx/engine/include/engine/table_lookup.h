// Look-up tables of "Connection Standards\Data\" (GETCELL, GETPROFCELL) and the place
// where the product functions find their data files.
//
// A table file has one row per line, fields separated by tabs; "//" starts a comment
// that runs to the end of the line; lines empty after removing comments are dropped.
// The first field is the row's key, the second its value.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/zk_array.h"
#include "host/zk_string.h"

// Data files larger than this are refused (the function using them fails).
constexpr std::uint64_t kMaxDataFileBytes = 16u * 1024u * 1024u;

// Where a data file named by a product function lies: the name as given, else below the
// library folder in "Connection Standards\Data\", then "Connection Standards\", then the
// library folder itself. False when none exists. Where a name was found is kept while
// none of the folders searched changes (see readDataTable).
bool locateDataFile(const Zk_String& name, Zk_String& path);
// locateDataFile, then the file's text (readDataFileText), kept with where the name was
// found while none of the folders searched changes, as table rows are.
bool readDataFileByName(const Zk_String& name, Zk_String& path, std::shared_ptr<const Zk_String>& text);

// While one is alive (an evaluation, a calculation pass), a located name whose folders
// were found unchanged once is taken as unchanged for the rest of it: its folders are
// checked once instead of at every call (the folders of every kept name at once, at the
// first check), so a table or file text kept for the name is what the rest of it reads
// even if the file changes meanwhile (a file too fresh to be kept is read again at each
// look-up, as always). Nests (a child standard's pass inside its parent's).
class KmDataFileSnapshot {
public:
    KmDataFileSnapshot();
    ~KmDataFileSnapshot();
    KmDataFileSnapshot(const KmDataFileSnapshot&) = delete;
    KmDataFileSnapshot& operator=(const KmDataFileSnapshot&) = delete;
};

// Whether a file-system search for path finds an entry.
bool pathExists(const Zk_String& path);
// The first of candidates that exists. Where it was found is kept under key (name it after
// everything the candidates depend on) while none of the folders searched changes, as for
// data files; false, keeping nothing, when none exists.
// The candidates are only made when nothing is kept.
bool locateFirstExisting(const std::wstring& key, const std::function<std::vector<Zk_String>()>& candidates,
                         Zk_String& path);

// The text of a data file, decoded as UTF-8 (invalid bytes kept one by one). Fails for
// a missing, unreadable, oversized (kMaxDataFileBytes) or binary (holding a NUL byte)
// file; error (when given) then says which. The text of a file is kept while its
// size and last write time stay the same, so a changed file is read again.
bool readDataFileText(const Zk_String& path, Zk_String& text, Zk_String* error = nullptr);
// Forgets every kept file text, table and located name.
void clearDataFileCache();

using KmTableRows = std::vector<Zk_StringArray>;

// The rows of a table file (see readDataFileText for failures; a file without rows
// fails too). Parsed rows are kept with the file's text.
bool readTableFile(const Zk_String& path, std::shared_ptr<const KmTableRows>& rows,
                   Zk_String* error = nullptr);

// The rows of the table file name is located at (locateDataFile, then readTableFile).
// Where a name lies and the rows found there are kept while none of the folders searched
// reports a change (and for at most a second), so a table used for many evaluations is
// neither searched for nor checked on every look-up, and a changed one is read again.
bool readDataTable(const Zk_String& name, std::shared_ptr<const KmTableRows>& rows, Zk_String* error = nullptr);

// Splits table text into rows of fields (comments cut, empty lines dropped, "\r"
// before a line end removed).
KmTableRows parseTableText(const Zk_String& text);

// Appends one key argument to a table key, the parts joined with ";" (none before the
// first): a number written with 6 decimals, a text as given.
void appendTableKeyPart(Zk_String& key, bool first, double number);
void appendTableKeyPart(Zk_String& key, bool first, std::wstring_view text);

// The second field of the first row whose first field (translated by translateKey
// when given) equals key exactly. False when no row matches or the match has a single
// field.
bool lookupTableValue(const KmTableRows& rows, const Zk_String& key, Zk_String& value,
                      const std::function<Zk_String(const Zk_String&)>& translateKey = {});
// As lookupTableValue without a key translation, through an index of the first row of
// each key made on the first look-up into rows and kept with them (for the rows
// readDataTable hands out again while their file is unchanged).
bool lookupKeptTableValue(const std::shared_ptr<const KmTableRows>& rows, const Zk_String& key, Zk_String& value);
// The same, giving the value's field in rows (valid while rows are held), or null.
const Zk_String* findKeptTableValue(const std::shared_ptr<const KmTableRows>& rows, const Zk_String& key);
