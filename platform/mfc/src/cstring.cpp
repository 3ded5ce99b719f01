#include "mfc/cstring.h"

#include <algorithm>
#include <cstdarg>
#include <cwchar>
#include <cwctype>

#include "mfc/resources.h"
#include "mfc/wformat.h"
#include "win/encoding.h"

namespace {
std::size_t Pos(int i) { return static_cast<std::size_t>(std::max(i, 0)); }
bool In(const wchar_t* set, wchar_t c) { return set && c && std::wcschr(set, c) != nullptr; }
}  // namespace

CString::CString(const char* narrow) : s_(narrow ? WideFromAnsi(narrow) : L"") {}

int CString::Compare(const wchar_t* o) const {
    int r = s_.compare(o ? o : L"");
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int CString::CompareNoCase(const wchar_t* o) const {
    std::wstring_view b = o ? o : L"";
    std::size_t n = std::min(s_.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        wchar_t x = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(s_[i])));
        wchar_t y = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(b[i])));
        if (x != y) return x < y ? -1 : 1;
    }
    return s_.size() == b.size() ? 0 : (s_.size() < b.size() ? -1 : 1);
}

int CString::Find(wchar_t c, int start) const {
    if (start < 0 || Pos(start) > s_.size()) return -1;
    auto p = s_.find(c, Pos(start));
    return p == std::wstring::npos ? -1 : static_cast<int>(p);
}
int CString::Find(const wchar_t* sub, int start) const {
    if (!sub || start < 0 || Pos(start) > s_.size()) return -1;
    auto p = s_.find(sub, Pos(start));
    return p == std::wstring::npos ? -1 : static_cast<int>(p);
}
int CString::ReverseFind(wchar_t c) const {
    auto p = s_.rfind(c);
    return p == std::wstring::npos ? -1 : static_cast<int>(p);
}
int CString::FindOneOf(const wchar_t* chars) const {
    if (!chars) return -1;
    auto p = s_.find_first_of(chars);
    return p == std::wstring::npos ? -1 : static_cast<int>(p);
}

CString CString::Left(int n) const { return CString(s_.substr(0, Pos(n))); }
CString CString::Right(int n) const {
    std::size_t k = std::min(Pos(n), s_.size());
    return CString(s_.substr(s_.size() - k));
}
CString CString::Mid(int first) const {
    if (Pos(first) >= s_.size()) return CString();
    return CString(s_.substr(Pos(first)));
}
CString CString::Mid(int first, int count) const {
    if (Pos(first) >= s_.size() || count <= 0) return CString();
    return CString(s_.substr(Pos(first), Pos(count)));
}
CString CString::SpanIncluding(const wchar_t* chars) const {
    std::size_t i = 0;
    while (i < s_.size() && In(chars, s_[i])) ++i;
    return CString(s_.substr(0, i));
}
CString CString::SpanExcluding(const wchar_t* chars) const {
    std::size_t i = 0;
    while (i < s_.size() && !In(chars, s_[i])) ++i;
    return CString(s_.substr(0, i));
}
CString CString::Tokenize(const wchar_t* delims, int& start) const {
    if (start < 0) return CString();
    std::size_t i = Pos(start);
    while (i < s_.size() && In(delims, s_[i])) ++i;
    if (i >= s_.size()) {
        start = -1;
        return CString();
    }
    std::size_t j = i;
    while (j < s_.size() && !In(delims, s_[j])) ++j;
    start = static_cast<int>(j + 1);
    return CString(s_.substr(i, j - i));
}

CString& CString::MakeUpper() {
    for (auto& c : s_) c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
    return *this;
}
CString& CString::MakeLower() {
    for (auto& c : s_) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    return *this;
}
CString& CString::MakeReverse() {
    std::reverse(s_.begin(), s_.end());
    return *this;
}
CString& CString::TrimLeft(const wchar_t* chars) {
    std::size_t i = 0;
    while (i < s_.size() && In(chars, s_[i])) ++i;
    s_.erase(0, i);
    return *this;
}
CString& CString::TrimRight(const wchar_t* chars) {
    std::size_t n = s_.size();
    while (n > 0 && In(chars, s_[n - 1])) --n;
    s_.resize(n);
    return *this;
}
CString& CString::TrimLeft() { return TrimLeft(L" \t\r\n\v\f"); }
CString& CString::TrimRight() { return TrimRight(L" \t\r\n\v\f"); }
CString& CString::TrimLeft(wchar_t c) {
    wchar_t set[2] = {c, 0};
    return TrimLeft(set);
}
CString& CString::TrimRight(wchar_t c) {
    wchar_t set[2] = {c, 0};
    return TrimRight(set);
}
CString& CString::Trim() { return TrimRight().TrimLeft(); }
CString& CString::Trim(wchar_t c) { return TrimRight(c).TrimLeft(c); }
CString& CString::Trim(const wchar_t* chars) { return TrimRight(chars).TrimLeft(chars); }

int CString::Replace(wchar_t from, wchar_t to) {
    int n = 0;
    for (auto& c : s_) {
        if (c == from) {
            c = to;
            ++n;
        }
    }
    return n;
}
int CString::Replace(const wchar_t* from, const wchar_t* to) {
    if (!from || !*from) return 0;
    std::wstring f = from, t = to ? to : L"";
    int n = 0;
    for (std::size_t p = s_.find(f); p != std::wstring::npos; p = s_.find(f, p + t.size())) {
        s_.replace(p, f.size(), t);
        ++n;
    }
    return n;
}
int CString::Remove(wchar_t c) {
    auto old = s_.size();
    s_.erase(std::remove(s_.begin(), s_.end(), c), s_.end());
    return static_cast<int>(old - s_.size());
}
int CString::Insert(int index, wchar_t c) {
    s_.insert(std::min(Pos(index), s_.size()), 1, c);
    return GetLength();
}
int CString::Insert(int index, const wchar_t* s) {
    if (s) s_.insert(std::min(Pos(index), s_.size()), s);
    return GetLength();
}
int CString::Delete(int index, int count) {
    if (index >= 0 && Pos(index) < s_.size() && count > 0) s_.erase(Pos(index), Pos(count));
    return GetLength();
}

void CString::Format(const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    s_ = mfc::FormatWideV(format, args);
    va_end(args);
}
void CString::AppendFormat(const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    s_ += mfc::FormatWideV(format, args);
    va_end(args);
}

wchar_t* CString::GetBuffer(int minLength) {
    if (Pos(minLength) > s_.size()) s_.resize(Pos(minLength));
    return s_.data();
}
wchar_t* CString::GetBufferSetLength(int length) {
    s_.resize(Pos(length));
    return s_.data();
}
void CString::ReleaseBuffer(int newLength) {
    if (newLength < 0) s_.resize(std::wcslen(s_.c_str()));
    else s_.resize(std::min(Pos(newLength), s_.size()));
}

BOOL CString::LoadString(UINT id) {
    std::wstring text;
    if (!mfc::FindStringResource(id, text)) return FALSE;
    s_ = text;
    return TRUE;
}
