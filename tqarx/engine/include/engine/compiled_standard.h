// What evaluating a standards file derives from the file alone, kept while the file is
// unchanged so that evaluating the same standard for many input rows reads, splits and
// substitutes its declarations and equations once: the declarations in order, the
// position of the "Calc" keyword and every non-empty cell of the Calc area with its
// target, whether it is a child call and its formula over cell addresses.
//
// A compiled standard is kept by the identity of the file's bytes as the sheet file
// cache hands them out (the same object while path, size and write time are unchanged),
// so a rewritten file is compiled afresh. It is only made for standards whose Calc area
// reads the same at every evaluation as at load: no declaration cell lies in it and no
// cell of it holds a formula; other standards take the full path every time.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/km_var_cell.h"
#include "host/zk_array.h"
#include "host/zk_string.h"
#include "spread/ss_api.h"

struct KmCompiledEquation {
    int col = 0, row = 0;
    Zk_String target;      // trimmed text before "=", empty without one
    Zk_String expression;  // trimmed text after "=" (the whole text without one)
    int index = -1;        // the target's declaration, -1 when none
    bool childCall = false;
    Zk_String formula;     // expression with the variables replaced by their cells
    // The formula parsed once, in a standard calculated directly (else empty).
    SS_PREPAREDFORMULA prepared;
};

struct KmCompiledStandard {
    Zk_Array<KmVarCell> declarations;  // as read from the loaded file
    // The Calc pass may run from equations below: names unique, a "Calc" keyword, and a
    // Calc area that no evaluation can change before reading it. Otherwise only the
    // declarations are reused.
    bool planned = false;
    // The planned pass may also calculate each equation without setting it into its cell,
    // on a sheet kept from the last evaluation: the sheet holds no formula, no equation
    // reads a cell of the Calc area or calls a volatile function, and, in a sheet that
    // calculates automatically, none that calls a product function reads the cell of a
    // variable it or a later equation assigns (set into its cell it would be calculated
    // again then). An evaluation then reads and
    // changes only the declaration cells, all of which it writes before the pass, so what
    // the pass reads and gives is what it would read and give on the freshly loaded sheet.
    bool direct = false;
    // For each declaration of a direct standard: the equation that assigns it before any
    // equation reads its cell, or -1. On a kept sheet such a declaration's value needs no
    // writing before the pass: its first equation writes the cell, or, when that fails,
    // the value is written then, before anything can read it.
    std::vector<int> writtenFirstBy;
    int calcCol = 0, calcRow = 0;
    std::vector<KmCompiledEquation> equations;  // row by row, column by column
};

// The compiled form kept for these bytes, or null.
std::shared_ptr<const KmCompiledStandard> findCompiledStandard(const std::shared_ptr<const std::string>& bytes);
// Keeps compiled for bytes (the last few files are kept).
void keepCompiledStandard(const std::shared_ptr<const std::string>& bytes,
                          std::shared_ptr<const KmCompiledStandard> compiled);
// Whether evaluations compile standards and run from compiled forms (on by default;
// tests turn it off to compare with the full path of every evaluation).
void useCompiledStandards(bool on);
bool compiledStandardsUsed();
// Compiled standards made so far (for tests), and forgetting every one kept.
std::size_t compiledStandardsMade();
void clearCompiledStandards();
