#include "engine/standard_sizes.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "host/list_utils.h"
#include "host/numbers.h"

namespace {

// A number alone on a size-file field; surrounding blanks allowed.
bool parseSizeNumber(const Zk_String& field, double& value) {
    bool ok = false;
    value = field.trimmed().toDouble(&ok);
    return ok && std::isfinite(value);
}

}  // namespace

// The lines of a text (LF or CR LF), a final line break ending the last line.
Zk_StringArray textLines(const Zk_String& text) {
    Zk_StringArray lines;
    const std::wstring& all = text.wstr();
    std::size_t start = 0;
    while (start < all.size()) {
        std::size_t eol = all.find(L'\n', start);
        if (eol == std::wstring::npos) eol = all.size();
        std::size_t end = eol;
        if (end > start && all[end - 1] == L'\r') --end;
        lines.append(Zk_String(all.substr(start, end - start)));
        start = eol + 1;
    }
    return lines;
}

bool parseSizeList(const Zk_String& text, KmSizeList& sizes, int* badLine) {
    KmSizeList parsed;
    // Comments are removed line by line so that a line keeps its number in the file.
    Zk_StringArray lines = textLines(text);
    removeComments(lines);
    for (int i = 0; i < lines.length(); ++i) {
        const Zk_String line = lines[i].trimmed();
        if (line.isEmpty()) continue;
        double a = 0.0;
        double b = 0.0;
        const int x = line.find(L'x');
        const bool ok = x < 0 ? parseSizeNumber(line, a)
                              : parseSizeNumber(line.left(x), a) && parseSizeNumber(line.mid(x + 1), b);
        if (!ok) {
            if (badLine) *badLine = i + 1;
            return false;
        }
        parsed.a.push_back(a);
        parsed.b.push_back(b);
    }
    sizes = std::move(parsed);
    return true;
}

Zk_String malformedSizeLineText(const Zk_String& path, const Zk_String& text, int line) {
    const Zk_StringArray lines = textLines(text);
    const Zk_String written = line >= 1 && line <= lines.length() ? lines[line - 1].trimmed() : Zk_String();
    return Zk_String(L"The size list ") + path + L" has a malformed line (line: " + Zk_String(line) + L"):\n" +
           written + L"\nEvery line must hold a size A or a pair AxB of numbers.";
}

std::vector<double> widthCandidates(const KmSizeList& sizes, double thickness) {
    Zk_Array<double> widths;
    for (std::size_t i = 0; i < sizes.a.size() && i < sizes.b.size(); ++i)
        if (sizes.b[i] == thickness || sizes.b[i] == 0.0) widths.append(sizes.a[i]);
    ObjectExportSort(widths);
    return widths.items();
}

bool nearestStandard(const std::vector<double>& candidates, double value, double down, double up,
                     double& result) {
    const double inf = std::numeric_limits<double>::infinity();
    double aboveDiff = inf, belowDiff = inf;
    double above = 0.0, below = 0.0;
    for (double c : candidates) {
        if (c > value) {
            if (c - value < aboveDiff) { aboveDiff = c - value; above = c; }
        } else if (value - c < belowDiff) {
            belowDiff = value - c;
            below = c;
        }
    }
    const bool belowOk = belowDiff != inf && value - below <= down && below <= value + up;
    const bool aboveOk = aboveDiff != inf && above - value <= up && above >= value - down;
    if (belowDiff <= aboveDiff) {
        if (belowOk) { result = below; return true; }
        if (aboveOk) { result = above; return true; }
    } else {
        if (aboveOk) { result = above; return true; }
        if (belowOk) { result = below; return true; }
    }
    return false;
}

double roundToStepWithinTolerance(double value, double step, double down, double up) {
    double v = value;
    if (value - down > v) v = value - down;
    if (value + up < v) v = value + up;
    if (!(step > 0.0) || !std::isfinite(step)) return v;  // no multiples to round to
    const double roundedUp = ObjectExportRoundUp(v, step, up);
    double roundedDown = ObjectExportRoundTo(v, step);
    if (roundedDown > v) roundedDown -= step;
    const bool downOk = value - roundedDown <= down && roundedDown >= value - down;
    const bool upOk = roundedUp - value <= up && roundedUp <= value + up;
    const bool downNearer = v - roundedDown <= roundedUp - v;
    if (downNearer) {
        if (downOk) return roundedDown;
        if (upOk) return roundedUp;
    } else {
        if (upOk) return roundedUp;
        if (downOk) return roundedDown;
    }
    return v;
}

double standardSizeWithTolerance(const std::vector<double>& candidates, double step, double value,
                                 double down, double up) {
    double result = 0.0;
    if (nearestStandard(candidates, value, down, up, result)) return result;
    return roundToStepWithinTolerance(value, step, down, up);
}

Zk_String invalidTolerancesText(double down, double up) {
    return Zk_String(L"Invalid tolerances provided.\n DownTolerance is :") + Zk_String(down, 2) +
           L"UpTolerance is :" + Zk_String(up, 2) +
           L"\nAdding both tolerances should result in a positive value.";
}
