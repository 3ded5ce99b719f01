#include "host/numbers.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {
// Quotients within this fraction of a step of a whole number count as whole, so that
// 0.3 / 0.1 (2.9999999999999996) is 3 steps.
constexpr double kStepNoise = 1e-9;

// k * step written as the nearest double of the decimal result where possible: the
// product of a whole count and a decimal step (0.1) otherwise carries noise.
double multiple(double k, double step) {
    const double v = k * step;
    const double rounded = std::round(v * 1e9) / 1e9;
    return std::abs(rounded - v) <= std::abs(v) * 1e-12 + 1e-12 ? rounded : v;
}

double snapQuotient(double q) {
    const double whole = std::round(q);
    return std::abs(q - whole) < kStepNoise ? whole : q;
}
}  // namespace

double ObjectExportRoundTo(double value, double step) {
    if (!(step > 0) || !std::isfinite(value) || !std::isfinite(step)) return value;
    const double q = snapQuotient(value / step);
    // Halves away from zero; a quotient a hair below .5 due to noise counts as .5.
    const double frac = std::abs(q - std::trunc(q));
    double k;
    if (std::abs(frac - 0.5) < kStepNoise) k = std::trunc(q) + (q < 0 ? -1 : 1);
    else k = std::round(q);
    return multiple(k, step);
}

double ObjectExportRoundUp(double value, double step, double tolerance) {
    if (!(step > 0) || !std::isfinite(value) || !std::isfinite(step)) return value;
    const double q = snapQuotient(value / step);
    double k = std::floor(q);
    if (q > k) {
        // Above a multiple: round up unless within the tolerance of the one below.
        const double below = multiple(k, step);
        const double tol = std::isfinite(tolerance) ? std::max(tolerance, 0.0) : 0.0;
        if (!(value - below <= tol)) k += 1;
    }
    return multiple(k, step);
}

void ObjectExportSort(Zk_Array<double>& values, bool descending) {
    if (descending) std::stable_sort(values.begin(), values.end(), std::greater<double>());
    else std::stable_sort(values.begin(), values.end());
}

void ObjectExportSort(Zk_Array<int>& values, bool descending) {
    if (descending) std::stable_sort(values.begin(), values.end(), std::greater<int>());
    else std::stable_sort(values.begin(), values.end());
}

namespace {
template <typename T>
int addToSorted(Zk_Array<T>& values, T value, bool unique) {
    auto& v = values.items();
    const auto lower = std::lower_bound(v.begin(), v.end(), value);
    if (unique && lower != v.end() && *lower == value) return static_cast<int>(lower - v.begin());
    const auto pos = std::upper_bound(v.begin(), v.end(), value);
    const int index = static_cast<int>(pos - v.begin());
    v.insert(pos, value);
    return index;
}
}  // namespace

int ObjectExportAddToSorted(Zk_Array<double>& values, double value, bool unique) {
    return addToSorted(values, value, unique);
}

int ObjectExportAddToSorted(Zk_Array<int>& values, int value, bool unique) {
    return addToSorted(values, value, unique);
}
