// CString: a wide-character string with the usual operations of the framework's string.
#pragma once

#include <string>
#include <string_view>

#include "win/types.h"

class CString {
public:
    CString() = default;
    CString(const wchar_t* s) : s_(s ? s : L"") {}
    CString(const wchar_t* s, int length) : s_(s ? std::wstring(s, static_cast<std::size_t>(length)) : L"") {}
    CString(std::wstring s) : s_(std::move(s)) {}
    CString(std::wstring_view s) : s_(s) {}
    CString(wchar_t c, int repeat = 1) : s_(static_cast<std::size_t>(repeat > 0 ? repeat : 0), c) {}
    explicit CString(const char* narrow);  // Latin-1 bytes widened

    int GetLength() const { return static_cast<int>(s_.size()); }
    bool IsEmpty() const { return s_.empty(); }
    void Empty() { s_.clear(); }
    wchar_t GetAt(int i) const { return s_.at(static_cast<std::size_t>(i)); }
    void SetAt(int i, wchar_t c) { s_.at(static_cast<std::size_t>(i)) = c; }
    wchar_t operator[](int i) const { return GetAt(i); }
    operator const wchar_t*() const { return s_.c_str(); }
    const wchar_t* GetString() const { return s_.c_str(); }
    const std::wstring& str() const { return s_; }

    CString& operator=(const wchar_t* s) { s_ = s ? s : L""; return *this; }
    CString& operator=(wchar_t c) { s_.assign(1, c); return *this; }
    CString& operator+=(const CString& o) { s_ += o.s_; return *this; }
    CString& operator+=(const wchar_t* s) { if (s) s_ += s; return *this; }
    CString& operator+=(wchar_t c) { s_ += c; return *this; }
    void Append(const wchar_t* s) { *this += s; }
    void AppendChar(wchar_t c) { s_ += c; }

    int Compare(const wchar_t* o) const;
    int CompareNoCase(const wchar_t* o) const;
    int Collate(const wchar_t* o) const { return Compare(o); }

    int Find(wchar_t c, int start = 0) const;
    int Find(const wchar_t* sub, int start = 0) const;
    int ReverseFind(wchar_t c) const;
    int FindOneOf(const wchar_t* chars) const;

    CString Left(int n) const;
    CString Right(int n) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString SpanIncluding(const wchar_t* chars) const;
    CString SpanExcluding(const wchar_t* chars) const;
    CString Tokenize(const wchar_t* delimiters, int& start) const;

    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();
    CString& Trim();
    CString& Trim(wchar_t c);
    CString& Trim(const wchar_t* chars);
    CString& TrimLeft();
    CString& TrimLeft(wchar_t c);
    CString& TrimLeft(const wchar_t* chars);
    CString& TrimRight();
    CString& TrimRight(wchar_t c);
    CString& TrimRight(const wchar_t* chars);
    int Replace(wchar_t from, wchar_t to);
    int Replace(const wchar_t* from, const wchar_t* to);
    int Remove(wchar_t c);
    int Insert(int index, wchar_t c);
    int Insert(int index, const wchar_t* s);
    int Delete(int index, int count = 1);

    void Format(const wchar_t* format, ...);
    void AppendFormat(const wchar_t* format, ...);

    // The buffer may be written up to the requested length; ReleaseBuffer(-1) cuts at the
    // first zero character.
    wchar_t* GetBuffer(int minLength = 0);
    wchar_t* GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);

    // Loads a string resource of the current resource module; false when missing.
    BOOL LoadString(UINT id);

    friend bool operator==(const CString& a, const CString& b) { return a.s_ == b.s_; }
    friend bool operator==(const CString& a, const wchar_t* b) { return a.s_ == (b ? b : L""); }
    friend bool operator!=(const CString& a, const CString& b) { return a.s_ != b.s_; }
    friend bool operator!=(const CString& a, const wchar_t* b) { return !(a == b); }
    friend bool operator<(const CString& a, const CString& b) { return a.s_ < b.s_; }
    friend CString operator+(const CString& a, const CString& b) { return CString(a.s_ + b.s_); }
    friend CString operator+(const CString& a, const wchar_t* b) { return CString(a.s_ + (b ? b : L"")); }
    friend CString operator+(const wchar_t* a, const CString& b) { return CString((a ? a : L"") + b.s_); }
    friend CString operator+(const CString& a, wchar_t b) { return CString(a.s_ + b); }
    friend CString operator+(wchar_t a, const CString& b) { return CString(std::wstring(1, a) + b.s_); }

private:
    std::wstring s_;
};

using CStringW = CString;
