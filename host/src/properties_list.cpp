#include "host/properties_list.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "host/files.h"

namespace {

bool isKeyChar(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') || c == L'_' ||
           c == L'.' || c == L'-';
}

bool isBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

// The shortest decimal text that reads back as exactly value.
std::wstring doubleText(double value) {
    char buf[40];
    for (int digits = 15; digits <= 17; ++digits) {
        std::snprintf(buf, sizeof buf, "%.*g", digits, value);
        if (std::strtod(buf, nullptr) == value) break;
    }
    return std::wstring(buf, buf + std::char_traits<char>::length(buf));
}

std::wstring quoted(const Zk_String& text) {
    std::wstring out = L"\"";
    for (wchar_t c : text.wstr()) {
        switch (c) {
        case L'"': out += L"\\\""; break;
        case L'\\': out += L"\\\\"; break;
        case L'\n': out += L"\\n"; break;
        case L'\r': out += L"\\r"; break;
        case L'\t': out += L"\\t"; break;
        default: out += c;
        }
    }
    out += L'"';
    return out;
}

// Reads one line's fields; false with reason on a malformed line.
struct LineParser {
    const std::wstring& s;
    std::size_t pos = 0;

    void skipBlanks() {
        while (pos < s.size() && isBlank(s[pos])) ++pos;
    }
    std::wstring word() {
        skipBlanks();
        const std::size_t start = pos;
        while (pos < s.size() && !isBlank(s[pos]) && s[pos] != L'=') ++pos;
        return s.substr(start, pos - start);
    }
    bool atEnd() {
        skipBlanks();
        return pos >= s.size();
    }
    bool quotedText(std::wstring& out, std::wstring& reason) {
        skipBlanks();
        if (pos >= s.size() || s[pos] != L'"') {
            reason = L"a string value must be written in double quotes";
            return false;
        }
        ++pos;
        while (pos < s.size()) {
            const wchar_t c = s[pos++];
            if (c == L'"') return true;
            if (c != L'\\') {
                out += c;
                continue;
            }
            if (pos >= s.size()) break;
            const wchar_t e = s[pos++];
            switch (e) {
            case L'"': out += L'"'; break;
            case L'\\': out += L'\\'; break;
            case L'n': out += L'\n'; break;
            case L'r': out += L'\r'; break;
            case L't': out += L'\t'; break;
            default:
                reason = std::wstring(L"unknown escape \\") + e + L" in a string";
                return false;
            }
        }
        reason = L"the string has no closing quote";
        return false;
    }
};

bool parseInt(const std::wstring& text, int& out) {
    if (text.empty() || text.size() > 12) return false;
    std::size_t i = (text[0] == L'-' || text[0] == L'+') ? 1 : 0;
    if (i == text.size()) return false;
    long long v = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < L'0' || text[i] > L'9') return false;
        v = v * 10 + (text[i] - L'0');
    }
    if (text[0] == L'-') v = -v;
    if (v < INT32_MIN || v > INT32_MAX) return false;
    out = static_cast<int>(v);
    return true;
}

bool parseDouble(const std::wstring& text, double& out) {
    if (text.empty() || text.size() > 64) return false;
    std::string narrow;
    for (wchar_t c : text) {
        const bool ok = (c >= L'0' && c <= L'9') || c == L'.' || c == L'-' || c == L'+' || c == L'e' || c == L'E';
        if (!ok) return false;
        narrow += static_cast<char>(c);
    }
    char* end = nullptr;
    errno = 0;
    const double v = std::strtod(narrow.c_str(), &end);
    if (end != narrow.c_str() + narrow.size() || !std::isfinite(v)) return false;
    out = v;
    return true;
}

}  // namespace

bool Zk_PropertiesList::isValidKey(const Zk_String& key) {
    if (key.isEmpty()) return false;
    for (wchar_t c : key.wstr())
        if (!isKeyChar(c)) return false;
    return true;
}

Zk_PropertiesList::Item& Zk_PropertiesList::slot(const Zk_String& key) {
    auto it = m_index.find(key);
    if (it != m_index.end()) return m_items[it->second];
    m_index.emplace(key, m_items.size());
    Item item;
    item.key = key;
    m_items.push_back(item);
    return m_items.back();
}

const Zk_PropertiesList::Item* Zk_PropertiesList::find(const Zk_String& key) const {
    auto it = m_index.find(key);
    return it == m_index.end() ? nullptr : &m_items[it->second];
}

void Zk_PropertiesList::setProperty(const Zk_String& key, int value) {
    Item& item = slot(key);
    item.kind = Kind::Int;
    item.intValue = value;
    item.line = 0;
}

void Zk_PropertiesList::setProperty(const Zk_String& key, double value) {
    Item& item = slot(key);
    item.kind = Kind::Double;
    item.doubleValue = value;
    item.line = 0;
}

void Zk_PropertiesList::setProperty(const Zk_String& key, const Zk_String& value) {
    Item& item = slot(key);
    item.kind = Kind::String;
    item.stringValue = value;
    item.line = 0;
}

bool Zk_PropertiesList::getProperty(const Zk_String& key, int& value) const {
    const Item* item = find(key);
    if (!item || item->kind != Kind::Int) return false;
    value = item->intValue;
    return true;
}

bool Zk_PropertiesList::getProperty(const Zk_String& key, double& value) const {
    const Item* item = find(key);
    if (!item) return false;
    if (item->kind == Kind::Double) value = item->doubleValue;
    else if (item->kind == Kind::Int) value = item->intValue;
    else return false;
    return true;
}

bool Zk_PropertiesList::getProperty(const Zk_String& key, Zk_String& value) const {
    const Item* item = find(key);
    if (!item || item->kind != Kind::String) return false;
    value = item->stringValue;
    return true;
}

bool Zk_PropertiesList::hasProperty(const Zk_String& key) const { return find(key) != nullptr; }

bool Zk_PropertiesList::kindOf(const Zk_String& key, Kind& kind) const {
    const Item* item = find(key);
    if (!item) return false;
    kind = item->kind;
    return true;
}

int Zk_PropertiesList::lineOf(const Zk_String& key) const {
    const Item* item = find(key);
    return item ? item->line : 0;
}

void Zk_PropertiesList::clear() {
    m_items.clear();
    m_index.clear();
}

bool Zk_PropertiesList::parse(const Zk_String& text, Zk_String* error) {
    Zk_PropertiesList read;
    std::unordered_map<Zk_String, int> firstLine;
    const std::wstring& s = text.wstr();
    std::size_t start = 0;
    int lineNr = 0;
    while (start <= s.size()) {
        std::size_t end = s.find(L'\n', start);
        if (end == std::wstring::npos) end = s.size();
        std::wstring line = s.substr(start, end - start);
        start = end + 1;
        ++lineNr;
        if (!line.empty() && line.back() == L'\r') line.pop_back();
        auto fail = [&](const std::wstring& reason) {
            if (error) *error = Zk_String(L"line ") + Zk_String(lineNr) + L": " + Zk_String(reason);
            return false;
        };
        LineParser p{line};
        if (p.atEnd() || line[p.pos] == L'#') {
            if (end == s.size()) break;
            continue;
        }
        const std::wstring type = p.word();
        const std::wstring key = p.word();
        if (type != L"int" && type != L"double" && type != L"string")
            return fail(L"the type must be int, double or string, not \"" + type + L"\"");
        if (!isValidKey(Zk_String(key))) return fail(L"\"" + key + L"\" is not a valid key");
        p.skipBlanks();
        if (p.pos >= line.size() || line[p.pos] != L'=') return fail(L"\"=\" expected after the key " + key);
        ++p.pos;
        auto seen = firstLine.find(Zk_String(key));
        if (seen != firstLine.end())
            return fail(L"the key " + key + L" appears again (first on line " + std::to_wstring(seen->second) +
                        L")");
        firstLine.emplace(Zk_String(key), lineNr);
        if (type == L"string") {
            std::wstring value, reason;
            if (!p.quotedText(value, reason)) return fail(reason);
            if (!p.atEnd()) return fail(L"text after the closing quote");
            read.setProperty(Zk_String(key), Zk_String(value));
        } else {
            const std::wstring value = p.word();
            if (!p.atEnd()) return fail(L"text after the value of " + key);
            if (type == L"int") {
                int v = 0;
                if (!parseInt(value, v)) return fail(L"\"" + value + L"\" is not a 32-bit integer");
                read.setProperty(Zk_String(key), v);
            } else {
                double v = 0;
                if (!parseDouble(value, v)) return fail(L"\"" + value + L"\" is not a finite number");
                read.setProperty(Zk_String(key), v);
            }
        }
        read.slot(Zk_String(key)).line = lineNr;
        if (end == s.size()) break;
    }
    *this = std::move(read);
    return true;
}

Zk_String Zk_PropertiesList::toText() const {
    std::wstring out;
    for (const Item& item : m_items) {
        switch (item.kind) {
        case Kind::Int: out += L"int " + item.key.wstr() + L" = " + std::to_wstring(item.intValue); break;
        case Kind::Double: out += L"double " + item.key.wstr() + L" = " + doubleText(item.doubleValue); break;
        case Kind::String: out += L"string " + item.key.wstr() + L" = " + quoted(item.stringValue); break;
        }
        out += L"\r\n";
    }
    return Zk_String(out);
}

bool Zk_PropertiesList::readFromFile(const Zk_String& path, Zk_String* error) {
    Zk_String text;
    if (!readTextFile(path, text)) {
        if (error) *error = path + (lastReadWasTooLarge() ? L": the file is too large" : L": the file cannot be read");
        return false;
    }
    Zk_String reason;
    if (!parse(text, &reason)) {
        if (error) *error = path + L", " + reason;
        return false;
    }
    return true;
}

bool Zk_PropertiesList::writeToFile(const Zk_String& path) const {
    for (const Item& item : m_items)
        if (!isValidKey(item.key) || (item.kind == Kind::Double && !std::isfinite(item.doubleValue))) return false;
    return writeTextFile(path, toText());
}
