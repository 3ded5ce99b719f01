#include "host/list_utils.h"

#include <algorithm>
#include <map>
#include <numeric>

#include "win/encoding.h"

bool splitStringAtSymbol(const Zk_String& text, const Zk_String& symbol, Zk_String& left,
                         Zk_String& right, bool last) {
    const int pos = symbol.isEmpty() ? -1 : (last ? text.findLast(symbol) : text.find(symbol));
    if (pos < 0) {
        left = text;
        right.clear();
        return false;
    }
    Zk_String l = text.left(pos);
    right = text.mid(pos + symbol.length());
    left = std::move(l);
    return true;
}

void strToArr(const Zk_String& text, Zk_StringArray& out, const Zk_String& symbol, bool dropEmpty, bool trim) {
    Zk_StringArray pieces;
    auto add = [&](Zk_String piece) {
        if (trim) piece.trim();
        if (!(dropEmpty && piece.isEmpty())) pieces.append(std::move(piece));
    };
    if (symbol.isEmpty()) {
        add(text);
    } else {
        int from = 0;
        for (int pos = text.find(symbol); pos >= 0; pos = text.find(symbol, from)) {
            add(text.mid(from, pos - from));
            from = pos + symbol.length();
        }
        add(text.mid(from));
    }
    out = std::move(pieces);
}

Zk_StringArray strToArr(const Zk_String& text, const Zk_String& symbol, bool dropEmpty, bool trim) {
    Zk_StringArray out;
    strToArr(text, out, symbol, dropEmpty, trim);
    return out;
}

Zk_String arrToStr(const Zk_StringArray& items, const Zk_String& symbol) {
    Zk_String out;
    for (int i = 0; i < items.length(); ++i) {
        if (i > 0) out += symbol;
        out += items[i];
    }
    return out;
}

bool isNumber(const Zk_String& text) { return text.isNumber(); }

namespace {
Zk_String key(const Zk_String& s, bool ignoreCase) { return ignoreCase ? s.toUpper() : s; }
}  // namespace

bool getDuplicates(const Zk_StringArray& items, Zk_Array<int>& laterIndexes, Zk_StringArray& names,
                   bool ignoreCase) {
    std::map<Zk_String, int> firstIndex;  // key -> index of the first occurrence
    std::map<Zk_String, bool> reported;
    Zk_Array<int> later;
    Zk_StringArray dupNames;
    for (int i = 0; i < items.length(); ++i) {
        const Zk_String k = key(items[i], ignoreCase);
        auto [it, inserted] = firstIndex.emplace(k, i);
        if (inserted) continue;
        later.append(i);
        if (!reported[k]) {
            reported[k] = true;
            dupNames.append(items[it->second]);
        }
    }
    laterIndexes = std::move(later);
    names = std::move(dupNames);
    return !laterIndexes.isEmpty();
}

bool getDuplicates(const Zk_StringArray& items, Zk_Array<int>& laterIndexes, bool ignoreCase) {
    Zk_StringArray names;
    return getDuplicates(items, laterIndexes, names, ignoreCase);
}

bool hasDuplicates(const Zk_StringArray& items, bool ignoreCase) {
    Zk_Array<int> later;
    return getDuplicates(items, later, ignoreCase);
}

namespace {
// Strips comments from text; inBlock carries an open "/*" from one line to the next.
Zk_String stripComments(const Zk_String& text, bool& inBlock) {
    Zk_String out;
    const int n = text.length();
    for (int i = 0; i < n; ++i) {
        const wchar_t c = text[i], next = text[i + 1];
        if (inBlock) {
            if (c == L'*' && next == L'/') { inBlock = false; ++i; }
            continue;
        }
        if (c == L'/' && next == L'*') { inBlock = true; ++i; continue; }
        if (c == L'/' && next == L'/') {
            // Skip to the end of the line; the line break itself stays.
            while (i < n && text[i] != L'\n') ++i;
            if (i < n) out += L'\n';
            continue;
        }
        out += c;
    }
    return out;
}
}  // namespace

Zk_String removeComments(const Zk_String& text) {
    bool inBlock = false;
    return stripComments(text, inBlock);
}

void removeComments(Zk_StringArray& lines) {
    bool inBlock = false;
    for (auto& line : lines) line = stripComments(line, inBlock);
}

void removeLineComments(Zk_StringArray& lines) {
    for (auto& line : lines) {
        const int pos = line.find(Zk_String(L"//"));
        if (pos >= 0) line = line.left(pos);
    }
}

Zk_String getSubstrBefore(const Zk_String& text, const Zk_String& symbol, bool last) {
    Zk_String left, right;
    splitStringAtSymbol(text, symbol, left, right, last);
    return left;
}

Zk_String getSubstrAfter(const Zk_String& text, const Zk_String& symbol, bool last) {
    Zk_String left, right;
    splitStringAtSymbol(text, symbol, left, right, last);
    return right;
}

Zk_String getAlfabet(int column) {
    std::wstring letters;
    while (column > 0) {
        const int rest = (column - 1) % 26;
        letters.insert(letters.begin(), static_cast<wchar_t>(L'A' + rest));
        column = (column - 1) / 26;
    }
    return Zk_String(letters);
}

int getColumnNumber(const Zk_String& letters) {
    if (letters.isEmpty() || letters.length() > 6) return 0;
    int column = 0;
    for (int i = 0; i < letters.length(); ++i) {
        const wchar_t c = FoldCase(letters[i]);
        if (c < L'a' || c > L'z') return 0;
        column = column * 26 + (c - L'a' + 1);
    }
    return column;
}

Zk_String findNonExistingString(const Zk_String& base, const Zk_StringArray& existing, bool ignoreCase) {
    if (!existing.contains(base, ignoreCase)) return base;
    for (int n = 1;; ++n) {
        Zk_String candidate = base + Zk_String(n);
        if (!existing.contains(candidate, ignoreCase)) return candidate;
    }
}

bool hasInvalidFileNameChars(const Zk_String& text) {
    static const std::wstring_view invalid = L"\\/:*?\"<>|";
    for (int i = 0; i < text.length(); ++i) {
        const wchar_t c = text[i];
        if (c < 32 || invalid.find(c) != std::wstring_view::npos) return true;
    }
    return false;
}

namespace {
bool isDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
}  // namespace

Zk_String stripNumbersAtEnd(const Zk_String& text) {
    int end = text.length();
    while (end > 0 && isDigit(text[end - 1])) --end;
    return text.left(end);
}

Zk_String findFirstNumbers(const Zk_String& text, int* pos) {
    int start = 0;
    while (start < text.length() && !isDigit(text[start])) ++start;
    int end = start;
    while (end < text.length() && isDigit(text[end])) ++end;
    if (pos) *pos = start < text.length() ? start : -1;
    return text.mid(start, end - start);
}

int ObjectExportAddToSorted(Zk_StringArray& items, const Zk_String& text, bool unique) {
    int found = -1;
    if (unique && items.find(text, found)) return found;
    int index = 0;
    while (index < items.length() && compareNatural(items[index], text) <= 0) ++index;
    items.insertAt(index, text);
    return index;
}

void sortStrings(Zk_StringArray& items, bool ignoreCase, bool descending) {
    std::stable_sort(items.begin(), items.end(), [&](const Zk_String& a, const Zk_String& b) {
        const int c = a.compare(b, ignoreCase);
        return descending ? c > 0 : c < 0;
    });
}

int compareNatural(const Zk_String& a, const Zk_String& b, bool ignoreCase) {
    int i = 0, j = 0;
    const int n = a.length(), m = b.length();
    while (i < n && j < m) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            // Compare digit runs by value: skip leading zeros, then longer is larger.
            int si = i, sj = j;
            while (si < n && a[si] == L'0') ++si;
            while (sj < m && b[sj] == L'0') ++sj;
            int ei = si, ej = sj;
            while (ei < n && isDigit(a[ei])) ++ei;
            while (ej < m && isDigit(b[ej])) ++ej;
            if (ei - si != ej - sj) return ei - si < ej - sj ? -1 : 1;
            for (int k = 0; k < ei - si; ++k)
                if (a[si + k] != b[sj + k]) return a[si + k] < b[sj + k] ? -1 : 1;
            i = ei;
            j = ej;
            continue;
        }
        const wchar_t ca = ignoreCase ? FoldCase(a[i]) : a[i];
        const wchar_t cb = ignoreCase ? FoldCase(b[j]) : b[j];
        if (ca != cb) return ca < cb ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < n) return 1;
    if (j < m) return -1;
    return 0;
}

void sortStringsNatural(Zk_StringArray& items, bool ignoreCase) {
    std::stable_sort(items.begin(), items.end(), [&](const Zk_String& a, const Zk_String& b) {
        return compareNatural(a, b, ignoreCase) < 0;
    });
}

Zk_Array<int> sortedIndexes(const Zk_StringArray& items, bool ignoreCase) {
    std::vector<int> order(static_cast<std::size_t>(items.length()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return items[a].compare(items[b], ignoreCase) < 0; });
    return Zk_Array<int>(std::move(order));
}
