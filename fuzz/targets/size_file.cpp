// Size file text -> parseSizeList, then the choice of a standard size from it.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/standard_sizes.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    KmSizeList sizes;
    int badLine = 0;
    if (!parseSizeList(Zk_String(std::string(fuzz::asText(data, size))), sizes, &badLine)) {
        if (badLine < 1) fuzz::propertyFailed("size_file", "rejected file without a line number");
        return 0;
    }
    if (sizes.a.size() != sizes.b.size()) fuzz::propertyFailed("size_file", "lists of different lengths");
    const double thickness = sizes.b.empty() ? 10.0 : sizes.b.front();
    const std::vector<double> widths = widthCandidates(sizes, thickness);
    const double value = sizes.a.empty() ? 100.0 : sizes.a.back() + 3.0;
    standardSizeWithTolerance(widths, 5.0, value, 10.0, 20.0);
    standardSizeWithTolerance(widths, 0.0, value, 0.0, 0.0);
    double result = 0.0;
    nearestStandard(widths, std::nan(""), 1.0, 1.0, result);
    return 0;
}
