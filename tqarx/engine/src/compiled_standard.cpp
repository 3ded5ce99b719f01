#include "engine/compiled_standard.h"

#include <algorithm>

namespace {

struct Entry {
    std::shared_ptr<const std::string> bytes;  // held, so the identity cannot be reused
    std::shared_ptr<const KmCompiledStandard> compiled;
};

constexpr std::size_t kMaxCompiled = 32;

struct Store {
    std::vector<Entry> entries;  // most recently used first
    std::size_t made = 0;
    bool used = true;
};

Store& store() {
    static Store s;
    return s;
}

}  // namespace

std::shared_ptr<const KmCompiledStandard> findCompiledStandard(const std::shared_ptr<const std::string>& bytes) {
    if (!bytes) return nullptr;
    auto& entries = store().entries;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].bytes != bytes) continue;
        std::rotate(entries.begin(), entries.begin() + static_cast<std::ptrdiff_t>(i),
                    entries.begin() + static_cast<std::ptrdiff_t>(i) + 1);
        return entries.front().compiled;
    }
    return nullptr;
}

void keepCompiledStandard(const std::shared_ptr<const std::string>& bytes,
                          std::shared_ptr<const KmCompiledStandard> compiled) {
    if (!bytes || !compiled) return;
    Store& s = store();
    ++s.made;
    // Bytes nobody else holds any more (the file changed) can never be looked up again.
    s.entries.erase(std::remove_if(s.entries.begin(), s.entries.end(),
                                   [](const Entry& e) { return e.bytes.use_count() == 1; }),
                    s.entries.end());
    if (s.entries.size() >= kMaxCompiled) s.entries.pop_back();
    s.entries.insert(s.entries.begin(), Entry{bytes, std::move(compiled)});
}

void useCompiledStandards(bool on) { store().used = on; }
bool compiledStandardsUsed() { return store().used; }

std::size_t compiledStandardsMade() { return store().made; }

void clearCompiledStandards() { store().entries.clear(); }
