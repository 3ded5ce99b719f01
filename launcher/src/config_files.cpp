#include "launcher/config_files.h"

namespace launcher {

namespace {

bool StartsWithNoCase(std::string_view line, std::string_view prefix) {
    if (line.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const auto fold = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
        if (fold(line[i]) != fold(prefix[i])) return false;
    }
    return true;
}

// The value of line for key, when the line belongs to it.
bool ValueOf(std::string_view line, std::string_view key, std::string& value) {
    if (line.size() <= key.size() || line[key.size()] != '=' || !StartsWithNoCase(line, key)) return false;
    value = std::string(line.substr(key.size() + 1));
    return true;
}

}  // namespace

std::vector<std::string> ConfigLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.size() > kMaxConfigLine) line = line.substr(0, kMaxConfigLine);
        if (!line.empty()) lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

void ReadZkv6(std::string_view bytes, LauncherConfig& config) {
    for (const std::string& line : ConfigLines(bytes)) {
        std::string value;
        if (ValueOf(line, "zklib", value)) config.libraryDir = value;
        else if (ValueOf(line, "acaddir", value)) config.acadDir = value;
        else if (ValueOf(line, "workLanguage", value)) config.workLanguage = value;
    }
}

std::string ReadDefsetLanguage(std::string_view bytes) {
    static constexpr std::string_view kPrefix = "worklanguage = ";
    std::string language;
    for (const std::string& line : ConfigLines(bytes))
        if (StartsWithNoCase(line, kPrefix)) language = line.substr(kPrefix.size());
    return language;
}

}  // namespace launcher
