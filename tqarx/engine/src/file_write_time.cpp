#include "engine/file_write_time.h"

#include <chrono>
#include <cstdint>

namespace {

// Writes within this time before now may share their write time with a later change.
constexpr std::int64_t kRacyTicks = 2 * 10000000LL;  // 2 s in 100 ns ticks

std::int64_t ticks(const FILETIME& t) {
    return static_cast<std::int64_t>((static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
}

std::int64_t nowTicks() {
    using namespace std::chrono;
    const auto since1970 = duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
    return (since1970 + 11644473600LL * 1000000) * 10;
}

}  // namespace

bool writeTimeIsSettled(const FILETIME& written) { return ticks(written) < nowTicks() - kRacyTicks; }
