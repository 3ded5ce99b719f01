#include "engine/var_address_table.h"

namespace {

bool isWordChar(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') || c == L'_';
}

bool isWord(const std::wstring& s) {
    if (s.empty()) return false;
    for (wchar_t c : s)
        if (!isWordChar(c)) return false;
    return true;
}

}  // namespace

int replaceWholeWords(Zk_String& text, const Zk_String& word, const Zk_String& with, int maxCount) {
    const std::wstring& s = text.wstr();
    const std::wstring& w = word.wstr();
    if (w.empty() || maxCount <= 0 || s.size() < w.size()) return 0;
    std::wstring out;
    int count = 0;
    bool inQuote = false;
    std::size_t i = 0;
    std::size_t copied = 0;  // s[copied, i) is still to be copied to out
    while (i < s.size()) {
        const wchar_t c = s[i];
        if (c == L'"') {
            inQuote = !inQuote;
            ++i;
            continue;
        }
        if (!inQuote && c == w[0] && s.compare(i, w.size(), w) == 0 && (i == 0 || !isWordChar(s[i - 1])) &&
            (i + w.size() >= s.size() || !isWordChar(s[i + w.size()]))) {
            out.append(s, copied, i - copied);
            out += with.wstr();
            i += w.size();
            copied = i;
            if (++count >= maxCount) break;
            continue;
        }
        ++i;
    }
    if (count == 0) return 0;
    out.append(s, copied, std::wstring::npos);
    text = Zk_String(std::move(out));
    return count;
}

void VarAddressTable::clear() {
    m_entries.clear();
    m_byName.clear();
    m_onlyWordNames = true;
}

void VarAddressTable::add(const Zk_String& name, const Zk_String& address) {
    if (name.isEmpty()) return;
    m_entries.push_back(Entry{name, address});
    if (!isWord(name.wstr())) m_onlyWordNames = false;
    m_byName.emplace(name.wstr(), m_entries.size() - 1);
}

void VarAddressTable::substitute(Zk_String& expression) const {
    if (m_entries.empty()) return;
    if (!m_onlyWordNames) {
        for (const Entry& e : m_entries) replaceWholeWords(expression, e.name, e.address);
        return;
    }
    const std::wstring& s = expression.wstr();
    std::wstring out;
    bool inQuote = false;
    bool changed = false;
    std::size_t copied = 0;  // s[copied, i) is still to be copied to out
    std::size_t i = 0;
    while (i < s.size()) {
        const wchar_t c = s[i];
        if (c == L'"') {
            inQuote = !inQuote;
            ++i;
            continue;
        }
        if (inQuote || !isWordChar(c)) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < s.size() && isWordChar(s[end])) ++end;
        const auto it = m_byName.find(std::wstring_view(s).substr(i, end - i));
        if (it != m_byName.end()) {
            out.append(s, copied, i - copied);
            out += m_entries[it->second].address.wstr();
            copied = end;
            changed = true;
        }
        i = end;
    }
    if (!changed) return;
    out.append(s, copied, std::wstring::npos);
    expression = Zk_String(std::move(out));
}
