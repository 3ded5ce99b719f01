#include "date_format.h"

#include <cmath>
#include <vector>

#include "date_serial.h"

namespace spread {

namespace {

const wchar_t* const kMonths[] = {L"January", L"February", L"March", L"April", L"May", L"June", L"July",
                                  L"August", L"September", L"October", L"November", L"December"};
const wchar_t* const kDays[] = {L"Sunday", L"Monday", L"Tuesday", L"Wednesday", L"Thursday", L"Friday", L"Saturday"};

wchar_t Low(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + 32) : c; }
bool IsCode(wchar_t c) { c = Low(c); return c == L'y' || c == L'm' || c == L'd' || c == L'h' || c == L's'; }

struct Token {
    enum class T { Literal, Code, AmPm, AP } t = T::Literal;
    wchar_t code = 0;   // y m d h s
    int len = 0;
    std::wstring text;  // Literal; AmPm/AP: as written (its case is kept)
};

std::vector<Token> Tokenize(std::wstring_view f) {
    std::vector<Token> out;
    auto literal = [&](std::wstring_view s) {
        if (out.empty() || out.back().t != Token::T::Literal) out.push_back({});
        out.back().text += s;
    };
    for (std::size_t i = 0; i < f.size();) {
        wchar_t c = f[i];
        if (c == L'"') {
            std::size_t e = f.find(L'"', i + 1);
            if (e == std::wstring_view::npos) e = f.size();
            literal(f.substr(i + 1, e - i - 1));
            i = e + 1;
        } else if (c == L'\\' && i + 1 < f.size()) {
            literal(f.substr(i + 1, 1));
            i += 2;
        } else if ((f.substr(i, 5) == L"AM/PM" || f.substr(i, 5) == L"am/pm")) {
            out.push_back({Token::T::AmPm, 0, 0, std::wstring(f.substr(i, 5))});
            i += 5;
        } else if (Low(c) == L'a' && i + 2 < f.size() && f[i + 1] == L'/' && Low(f[i + 2]) == L'p') {
            out.push_back({Token::T::AP, 0, 0, std::wstring(f.substr(i, 3))});
            i += 3;
        } else if (IsCode(c)) {
            std::size_t j = i;
            while (j < f.size() && Low(f[j]) == Low(c)) ++j;
            out.push_back({Token::T::Code, Low(c), static_cast<int>(j - i), {}});
            i = j;
        } else {
            literal(f.substr(i, 1));
            ++i;
        }
    }
    return out;
}

std::wstring Two(int n) { return (n < 10 ? L"0" : L"") + std::to_wstring(n); }

}  // namespace

bool IsDateFormat(std::wstring_view format) {
    // A digit placeholder makes a number format, whatever letters follow ("0 mm", "0 pcs").
    bool quoted = false;
    for (std::size_t i = 0; i < format.size(); ++i) {
        wchar_t c = format[i];
        if (c == L'"') quoted = !quoted;
        else if (c == L'\\') ++i;
        else if (!quoted && (c == L'0' || c == L'#')) return false;
    }
    for (const Token& t : Tokenize(format))
        if (t.t != Token::T::Literal) return true;
    return false;
}

bool FormatDateTime(double serial, std::wstring_view format, std::wstring& out) {
    if (!std::isfinite(serial) || serial < 0 || serial >= kMaxDateSerial + 1) return false;
    // Rounded to the second first, so that 23:59:59.7 shows as the next day's 00:00:00.
    double secs = std::floor(serial * 86400 + 0.5);
    double day = std::floor(secs / 86400);
    long long tod = static_cast<long long>(secs - day * 86400);
    CivilDate d;
    if (!DateFromSerial(day, d)) return false;
    int hour = static_cast<int>(tod / 3600), minute = static_cast<int>(tod / 60 % 60), second = static_cast<int>(tod % 60);
    std::vector<Token> tokens = Tokenize(format);
    bool twelve = false;
    for (const Token& t : tokens) twelve = twelve || t.t == Token::T::AmPm || t.t == Token::T::AP;
    // m after an hour or before seconds is minutes.
    auto neighbour = [&](std::size_t i, int dir) -> wchar_t {
        for (std::size_t k = i + dir; k < tokens.size(); k += dir)
            if (tokens[k].t == Token::T::Code) return tokens[k].code;
        return 0;
    };
    out.clear();
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        switch (t.t) {
        case Token::T::Literal: out += t.text; break;
        case Token::T::AmPm: {
            bool lower = t.text[0] == L'a';
            out += hour < 12 ? (lower ? L"am" : L"AM") : (lower ? L"pm" : L"PM");
            break;
        }
        case Token::T::AP: {
            bool lower = t.text[0] == L'a';
            out += hour < 12 ? (lower ? L"a" : L"A") : (lower ? L"p" : L"P");
            break;
        }
        case Token::T::Code:
            switch (t.code) {
            case L'y': out += t.len <= 2 ? Two(d.year % 100) : std::to_wstring(d.year); break;
            case L'd':
                if (t.len == 1) out += std::to_wstring(d.day);
                else if (t.len == 2) out += Two(d.day);
                else {
                    std::wstring name = kDays[WeekdayOfSerial(day) - 1];
                    out += t.len == 3 ? name.substr(0, 3) : name;
                }
                break;
            case L'h': {
                int h = twelve ? (hour % 12 == 0 ? 12 : hour % 12) : hour;
                out += t.len == 1 ? std::to_wstring(h) : Two(h);
                break;
            }
            case L's': out += t.len == 1 ? std::to_wstring(second) : Two(second); break;
            case L'm':
                if (t.len <= 2 && (neighbour(i, -1) == L'h' || neighbour(i, 1) == L's')) {
                    out += t.len == 1 ? std::to_wstring(minute) : Two(minute);
                } else if (t.len <= 2) {
                    out += t.len == 1 ? std::to_wstring(d.month) : Two(d.month);
                } else {
                    std::wstring name = kMonths[d.month - 1];
                    out += t.len == 3 ? name.substr(0, 3) : (t.len == 4 ? name : name.substr(0, 1));
                }
                break;
            }
            break;
        }
    }
    return true;
}

}  // namespace spread
