// Standard sizes: the size files of "Connection Standards\Data\" and the choice of a
// standard (or a rounded) size within tolerances, used by STDWIDTHWITHTOLERANCE,
// STDTHICKNESSWITHTOLERANCE and STDSIZEWITHTOLERANCE.
//
// A size file lists one size per line, either "A" or "AxB" (A a width, B a thickness;
// a line without "x" has B = 0). "/* ... */" and "//" comments are removed first;
// blank lines are skipped.
#pragma once

#include <vector>

#include "host/zk_string.h"

struct KmSizeList {
    std::vector<double> a;  // first values, file order
    std::vector<double> b;  // second values (0 when the line has none), same index
};

// Parses the text of a size file. A line that is not "A" or "AxB" with numbers makes
// the whole file invalid: false, *badLine (when given) gets its 1-based line number in
// the file.
bool parseSizeList(const Zk_String& text, KmSizeList& sizes, int* badLine = nullptr);
// The diagnostic for a malformed line of the size list at path (text: the file's text).
Zk_String malformedSizeLineText(const Zk_String& path, const Zk_String& text, int line);

// The widths usable for a thickness: the A values of the lines whose B equals
// thickness or is 0, ascending.
std::vector<double> widthCandidates(const KmSizeList& sizes, double thickness);

// The candidate nearest to value that lies within [value - down, value + up]: the
// nearest one at or below value and the nearest one above it (first in list order on
// equal distance) are tried, the nearer first (the lower one on a tie). False when
// neither is acceptable.
bool nearestStandard(const std::vector<double>& candidates, double value, double down, double up,
                     double& result);

// No standard fits: value rounded to a multiple of step within the tolerances. The
// starting point is value clamped to [value - down, value + up]; the multiple above and
// the one at or below it are tried, the nearer first (the lower on a tie); when neither
// lies within the tolerances the clamped value itself is the result.
double roundToStepWithinTolerance(double value, double step, double down, double up);

// nearestStandard, else roundToStepWithinTolerance.
double standardSizeWithTolerance(const std::vector<double>& candidates, double step, double value,
                                 double down, double up);

// "Invalid tolerances provided." message text for down + up <= 0.
Zk_String invalidTolerancesText(double down, double up);
