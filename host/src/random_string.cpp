#include "host/random_string.h"

#include <random>

namespace {

bool drawFromDevice(int length, Zk_String& text) {
    static const wchar_t kAlphabet[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::mt19937 engine{std::random_device{}()};
    std::uniform_int_distribution<int> pick(0, static_cast<int>(sizeof(kAlphabet) / sizeof(wchar_t)) - 2);
    std::wstring drawn;
    drawn.reserve(static_cast<std::size_t>(length));
    for (int i = 0; i < length; ++i) drawn += kAlphabet[pick(engine)];
    text = Zk_String(std::move(drawn));
    return true;
}

RandomStringSource gSource = nullptr;

}  // namespace

bool generateRandomString(int length, Zk_String& text) {
    text.clear();
    if (length <= 0) return false;
    const bool ok = gSource != nullptr ? gSource(length, text) : drawFromDevice(length, text);
    if (!ok) text.clear();
    return ok && !text.isEmpty();
}

RandomStringSource setRandomStringSource(RandomStringSource source) {
    RandomStringSource before = gSource;
    gSource = source;
    return before;
}
