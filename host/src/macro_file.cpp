#include "host/macro_file.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "host/files.h"
#include "macro_file_tab_records.h"
#include "win/files.h"

namespace {

const wchar_t* const kHeader = L"Macro version 1.0";

const wchar_t* const kCutWords[kCutOffsetTypeCount] = {
    L"CutOffset",       L"CutPolyOffset",     L"CutLengthOffset",   L"CutCenterOffset", L"CutInsideOffset",
    L"CutOutsideOffset", L"CutChamferOffset1", L"CutChamferOffset2", L"CutRadius",
};

using macrofile::Field;

bool isBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r'; }

// Splits a line into words and key=value fields; false (with why) on a broken quote.
bool tokenize(const std::wstring& line, std::vector<Field>& fields, std::wstring& why) {
    fields.clear();
    size_t i = 0;
    auto readValue = [&](std::wstring& out) -> bool {
        out.clear();
        if (i < line.size() && line[i] == L'"') {
            ++i;
            for (;;) {
                if (i >= line.size()) {
                    why = L"unterminated quote";
                    return false;
                }
                if (line[i] == L'"') {
                    if (i + 1 < line.size() && line[i + 1] == L'"') {
                        out += L'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                out += line[i++];
            }
            if (i < line.size() && !isBlank(line[i])) {
                why = L"text after a closing quote";
                return false;
            }
            return true;
        }
        while (i < line.size() && !isBlank(line[i])) {
            if (line[i] == L'"') {
                why = L"quote inside a word";
                return false;
            }
            out += line[i++];
        }
        return true;
    };
    while (i < line.size()) {
        if (isBlank(line[i])) {
            ++i;
            continue;
        }
        Field field;
        field.begin = field.valueBegin = i;
        if (line[i] == L'"') {
            if (!readValue(field.value)) return false;
            field.end = i;
            fields.push_back(field);
            continue;
        }
        size_t start = i;
        while (i < line.size() && !isBlank(line[i]) && line[i] != L'=' && line[i] != L'"') ++i;
        if (i < line.size() && line[i] == L'=') {
            field.key = line.substr(start, i - start);
            if (field.key.empty()) {
                why = L"field without a key";
                return false;
            }
            ++i;
            field.valueBegin = i;
            if (!readValue(field.value)) return false;
        } else {
            i = start;
            if (!readValue(field.value)) return false;
        }
        field.end = i;
        fields.push_back(field);
    }
    return true;
}

bool needsQuotes(const Zk_String& text) {
    if (text.isEmpty()) return true;
    for (wchar_t c : text.wstr())
        if (isBlank(c) || c == L'"' || c == L'=' || c == L'#' || c == L'\n') return true;
    return false;
}

Zk_String quoted(const Zk_String& text) {
    if (!needsQuotes(text)) return text;
    Zk_String out(L"\"");
    for (wchar_t c : text.wstr()) {
        if (c == L'"') out += L'"';
        out += c;
    }
    out += L'"';
    return out;
}

// One record line of a parsed file: its keyword, its fields where they stand in the line,
// and the record it made (owner: module or tab index; item: index in the owner's list,
// or in the macro's list for genvar and baseprofile).
struct RecordLine {
    size_t line = 0;
    std::wstring keyword;
    std::vector<Field> fields;
    int owner = -1;
    int item = -1;
    int sub = -1;             // a segment's index in its segmented profile
    bool tabRecord = false;   // one of the tab's records (macro_file_tab_records.h)
};

class Parser {
public:
    Parser(const Zk_String& fileName, Zk_Macro& macro, MacroData& data, std::vector<RecordLine>* layout = nullptr)
        : m_fileName(fileName), m_macro(macro), m_data(data), m_layout(layout) {}

    bool run(const Zk_String& text, Zk_String& error) {
        std::vector<std::wstring> lines;
        std::wstring current;
        for (wchar_t c : text.wstr()) {
            if (c == L'\n') {
                lines.push_back(current);
                current.clear();
            } else {
                current += c;
            }
        }
        lines.push_back(current);
        bool headerSeen = false;
        for (size_t n = 0; n < lines.size(); ++n) {
            m_line = static_cast<int>(n) + 1;
            std::wstring line = lines[n];
            if (n == 0 && !line.empty() && line[0] == L'\uFEFF') line.erase(0, 1);
            Zk_String trimmed = Zk_String(line).trimmed();
            if (trimmed.isEmpty() || trimmed[0] == L'#') continue;
            if (!headerSeen) {
                if (trimmed != Zk_String(kHeader)) return fail(error, L"first line must be \"Macro version 1.0\"");
                headerSeen = true;
                continue;
            }
            std::vector<Field> fields;
            std::wstring why;
            if (!tokenize(line, fields, why)) return fail(error, why);
            if (!parseLine(fields, why)) return fail(error, why);
            if (m_layout) m_layout->push_back(recordOf(n, fields));
        }
        if (!headerSeen) {
            m_line = 1;
            return fail(error, L"first line must be \"Macro version 1.0\"");
        }
        return true;
    }

private:
    RecordLine recordOf(size_t line, const std::vector<Field>& fields) const {
        RecordLine record;
        record.line = line;
        record.keyword = fields[0].value;
        record.fields = fields;
        const std::wstring& k = record.keyword;
        if (m_lastWasTabRecord) {
            record.tabRecord = true;
            record.owner = m_tab;
            record.item = m_lastItem;
            record.sub = m_lastSub;
            return record;
        }
        if (k == L"genvar") record.item = m_macro.genVars.length() - 1;
        else if (k == L"baseprofile") record.item = m_macro.baseProfiles.length() - 1;
        else if (k == L"module") record.item = m_module;
        else if (k == L"tab") record.item = m_tab;
        else if (k == L"var" || k == L"cut" || k == L"pattern" || k == L"placement") {
            const Zk_Module& module = m_macro.modules[m_module];
            record.owner = m_module;
            record.item = (k == L"var" ? module.variables.length() : k == L"cut" ? module.cuts.length()
                           : k == L"pattern" ? module.patterns.length() : module.placements.length()) - 1;
        } else if (k == L"bolts" || k == L"cell") {
            record.owner = m_tab;
            record.item = k == L"cell" ? m_data.tabs[m_tab].cells.length() - 1 : 0;
        }
        return record;
    }

    bool fail(Zk_String& error, const std::wstring& why) {
        error = m_fileName + Zk_String(L"(") + Zk_String(m_line) + Zk_String(L"): ") + Zk_String(why);
        return false;
    }

    // Positional word k (after the keyword), key=value fields in named.
    bool split(const std::vector<Field>& fields, size_t wantWords, std::vector<std::wstring>& words,
               std::vector<Field>& named, std::wstring& why) {
        words.clear();
        named.clear();
        for (size_t k = 1; k < fields.size(); ++k) {
            if (fields[k].key.empty()) {
                if (!named.empty()) {
                    why = L"word after fields";
                    return false;
                }
                words.push_back(fields[k].value);
            } else {
                for (const Field& f : named)
                    if (f.key == fields[k].key) {
                        why = L"field \"" + f.key + L"\" given twice";
                        return false;
                    }
                named.push_back(fields[k]);
            }
        }
        if (words.size() != wantWords) {
            why = L"\"" + fields[0].value + L"\" needs " + std::to_wstring(wantWords) +
                  (wantWords == 1 ? L" name" : L" words");
            return false;
        }
        return true;
    }

    static bool number(const std::wstring& text, double& value) {
        return parseMacroNumber(Zk_String(text), value);
    }
    static bool integer(const std::wstring& text, int& value) {
        double d = 0;
        if (!number(text, d) || d != std::floor(d) || std::fabs(d) > 1e9) return false;
        value = static_cast<int>(d);
        return true;
    }
    static bool flag(const std::wstring& text, bool& value) {
        if (text == L"1") value = true;
        else if (text == L"0") value = false;
        else return false;
        return true;
    }
    static std::wstring badValue(const Field& f) { return L"bad value \"" + f.value + L"\" for " + f.key; }
    static std::wstring unknownKey(const Field& f) { return L"unknown field \"" + f.key + L"\""; }

    bool parseLine(const std::vector<Field>& fields, std::wstring& why) {
        const std::wstring& keyword = fields[0].key.empty() ? fields[0].value : std::wstring();
        if (keyword.empty()) {
            why = L"a line must start with a keyword";
            return false;
        }
        std::vector<std::wstring> words;
        std::vector<Field> named;
        if (keyword == L"macro") {
            if (!split(fields, 1, words, named, why)) return false;
            if (!named.empty()) return (why = unknownKey(named[0])), false;
            m_macro.name = Zk_String(words[0]);
            return true;
        }
        if (keyword == L"caption") {
            if (!split(fields, 1, words, named, why)) return false;
            if (!named.empty()) return (why = unknownKey(named[0])), false;
            m_data.caption = Zk_String(words[0]);
            return true;
        }
        if (keyword == L"genvar") {
            if (!split(fields, 2, words, named, why)) return false;
            if (!named.empty()) return (why = unknownKey(named[0])), false;
            Zk_GenVar var;
            var.name = Zk_String(words[0]);
            double dummy = 0;
            if (m_macro.getGenVar(var.name, dummy) == Acad::eOk) return (why = L"general variable given twice"), false;
            if (!number(words[1], var.value)) return (why = L"bad number \"" + words[1] + L"\""), false;
            m_macro.genVars.append(var);
            return true;
        }
        if (keyword == L"baseprofile") {
            if (!split(fields, 0, words, named, why)) return false;
            Zk_BaseProfile prof;
            for (const Field& f : named) {
                if (f.key == L"section") prof.sectionName = Zk_String(f.value);
                else if (f.key == L"material") prof.material = Zk_String(f.value);
                else return (why = unknownKey(f)), false;
            }
            m_macro.baseProfiles.append(prof);
            return true;
        }
        m_lastWasTabRecord = false;
        if (macrofile::isTabRecordKeyword(keyword) && !(keyword == L"pattern" && m_module >= 0)) {
            if (m_tab < 0) return (why = L"\"" + keyword + L"\" outside a tab"), false;
            if (!split(fields, wordsOf(fields), words, named, why)) return false;
            m_lastWasTabRecord = true;
            return macrofile::parseTabRecord(keyword, m_data.tabs[m_tab], words, named, m_lastItem, m_lastSub, why);
        }
        if (keyword == L"module") return parseModule(fields, why);
        if (keyword == L"var" || keyword == L"cut" || keyword == L"pattern" || keyword == L"placement") {
            if (m_module < 0) return (why = L"\"" + keyword + L"\" outside a module"), false;
            Zk_Module& module = m_macro.modules[m_module];
            if (keyword == L"var") return parseVar(module, fields, why);
            if (keyword == L"cut") return parseCut(module, fields, why);
            if (keyword == L"pattern") return parsePattern(module, fields, why);
            return parsePlacement(module, fields, why);
        }
        if (keyword == L"tab") return parseTab(fields, why);
        if (keyword == L"bolts" || keyword == L"cell") {
            if (m_tab < 0) return (why = L"\"" + keyword + L"\" outside a tab"), false;
            MacroTabData& tab = m_data.tabs[m_tab];
            return keyword == L"bolts" ? parseBolts(tab, fields, why) : parseCell(tab, fields, why);
        }
        why = L"unknown keyword \"" + keyword + L"\"";
        return false;
    }

    bool parseModule(const std::vector<Field>& fields, std::wstring& why) {
        std::vector<std::wstring> words;
        std::vector<Field> named;
        if (!split(fields, 1, words, named, why)) return false;
        Zk_Module module;
        module.name = Zk_String(words[0]);
        const Zk_Module* existing = nullptr;
        if (m_macro.findModule(module.name, existing) == Acad::eOk) return (why = L"module given twice"), false;
        for (const Field& f : named) {
            if (f.key == L"class") {
                if (!integer(f.value, module.classCode)) return (why = badValue(f)), false;
            } else if (f.key == L"group") {
                module.groupName = Zk_String(f.value);
            } else {
                return (why = unknownKey(f)), false;
            }
        }
        m_macro.modules.append(module);
        m_module = m_macro.modules.length() - 1;
        m_tab = -1;
        return true;
    }

    bool parseVar(Zk_Module& module, const std::vector<Field>& fields, std::wstring& why) {
        std::vector<std::wstring> words;
        std::vector<Field> named;
        if (!split(fields, 2, words, named, why)) return false;
        Zk_ConstrVar var;
        var.name = Zk_String(words[0]);
        if (module.findConstrVar(var.name)) return (why = L"variable given twice"), false;
        if (!number(words[1], var.value)) return (why = L"bad number \"" + words[1] + L"\""), false;
        for (const Field& f : named) {
            if (f.key == L"dialog") {
                if (!flag(f.value, var.inDialog)) return (why = badValue(f)), false;
            } else if (f.key == L"editable") {
                if (!flag(f.value, var.editable)) return (why = badValue(f)), false;
            } else if (f.key == L"button") {
                if (f.value == L"none") {
                    var.hasFlexFixBtn = false;
                } else if (f.value == L"flexible") {
                    var.hasFlexFixBtn = true;
                    var.flexible = true;
                    var.fixed = false;
                } else if (f.value == L"fixed") {
                    var.hasFlexFixBtn = true;
                    var.flexible = false;
                    var.fixed = true;
                } else {
                    return (why = badValue(f)), false;
                }
            } else {
                return (why = unknownKey(f)), false;
            }
        }
        module.variables.append(var);
        return true;
    }

    bool parseCut(Zk_Module& module, const std::vector<Field>& fields, std::wstring& why) {
        std::vector<std::wstring> words;
        std::vector<Field> named;
        if (!split(fields, 1, words, named, why)) return false;
        Zk_CutConstraint cut;
        cut.name = Zk_String(words[0]);
        Zk_CutConstraint* existing = nullptr;
        if (module.getCutConstraint(cut.name, existing) == Acad::eOk) return (why = L"cut given twice"), false;
        for (const Field& f : named) {
            int type = -1;
            for (int t = 0; t < kCutOffsetTypeCount; ++t)
                if (f.key == kCutWords[t]) type = t;
            if (type < 0) return (why = unknownKey(f)), false;
            if (!number(f.value, cut.offset[type])) return (why = badValue(f)), false;
            cut.hasOffset[type] = true;
        }
        module.cuts.append(cut);
        return true;
    }

    bool parsePattern(Zk_Module& module, const std::vector<Field>& fields, std::wstring& why) {
        std::vector<std::wstring> words;
        std::vector<Field> named;
        if (!split(fields, 1, words, named, why)) return false;
        Zk_BoltPattern pattern;
        pattern.name = Zk_String(words[0]);
        int existing = -1;
        if (module.findPattern(pattern.name, existing) == Acad::eOk) return (why = L"pattern given twice"), false;
        for (const Field& f : named) {
            bool good = true;
            if (f.key == L"class") good = integer(f.value, pattern.classCode);
            else if (f.key == L"bolts1") good = integer(f.value, pattern.nrBolts1) && pattern.nrBolts1 >= 1;
            else if (f.key == L"bolts2") good = integer(f.value, pattern.nrBolts2) && pattern.nrBolts2 >= 1;
            else if (f.key == L"reverse1") good = flag(f.value, pattern.reverseStart1);
            else if (f.key == L"reverse2") good = flag(f.value, pattern.reverseStart2);
            else return (why = unknownKey(f)), false;
            if (!good) return (why = badValue(f)), false;
        }
        module.patterns.append(pattern);
        return true;
    }

    bool parsePlacement(Zk_Module& module, const std::vector<Field>& fields, std::wstring& why) {
        std::vector<std::wstring> words;
        std::vector<Field> named;
        if (!split(fields, 1, words, named, why)) return false;
        Zk_ProfPlacement placement;
        placement.name = Zk_String(words[0]);
        Zk_ProfPlacement* existing = nullptr;
        if (module.getNamedPrpl(placement.name, existing) == Acad::eOk) return (why = L"placement given twice"), false;
        for (const Field& f : named) {
            if (f.key == L"group") placement.groupName = Zk_String(f.value);
            else if (f.key == L"section") placement.sectionName = Zk_String(f.value);
            else if (f.key == L"material") placement.material = Zk_String(f.value);
            else if (f.key == L"member") placement.memberName = Zk_String(f.value);
            else return (why = unknownKey(f)), false;
        }
        module.placements.append(placement);
        return true;
    }

    bool parseTab(const std::vector<Field>& fields, std::wstring& why) {
        std::vector<std::wstring> words;
        std::vector<Field> named;
        if (!split(fields, 1, words, named, why)) return false;
        std::vector<Field> rest;
        MacroTabData tab;
        tab.name = Zk_String(words[0]);
        tab.index = m_data.tabs.length();
        if (m_data.findTab(tab.name) >= 0) return (why = L"tab given twice"), false;
        for (const Field& f : named) {
            if (f.key == L"kind") {
                if (!integer(f.value, tab.kind)) return (why = badValue(f)), false;
            } else if (f.key == L"template") {
                tab.templateName = Zk_String(f.value);
            } else {
                rest.push_back(f);
            }
        }
        if (!macrofile::parseTabDetails(tab, rest, why)) return false;
        m_data.tabs.append(tab);
        m_tab = m_data.tabs.length() - 1;
        m_module = -1;
        return true;
    }

    bool parseBolts(MacroTabData& tab, const std::vector<Field>& fields, std::wstring& why) {
        std::vector<std::wstring> words;
        std::vector<Field> named;
        if (!split(fields, 0, words, named, why)) return false;
        if (tab.hasBoltData) return (why = L"bolts given twice"), false;
        std::vector<Field> rest;
        for (const Field& f : named) {
            if (f.key == L"diameter") tab.bolt.diameter = Zk_String(f.value);
            else if (f.key == L"holeoffset") tab.bolt.holeOffset = Zk_String(f.value);
            else if (f.key == L"assembly") tab.bolt.assembly = Zk_String(f.value);
            else rest.push_back(f);
        }
        if (!macrofile::parseBoltDetails(tab.bolt, rest, why)) return false;
        tab.hasBoltData = true;
        return true;
    }

    bool parseCell(MacroTabData& tab, const std::vector<Field>& fields, std::wstring& why) {
        std::vector<std::wstring> words;
        std::vector<Field> named;
        if (!split(fields, 1, words, named, why)) return false;
        MacroCell cell;
        cell.name = Zk_String(words[0]);
        if (tab.findCell(cell.name)) return (why = L"cell given twice"), false;
        std::vector<Field> rest;
        for (const Field& f : named) {
            if (f.key == L"value") cell.value = Zk_String(f.value);
            else if (f.key == L"caption") cell.caption = Zk_String(f.value);
            else if (f.key == L"editable") {
                if (!flag(f.value, cell.editable)) return (why = badValue(f)), false;
            } else rest.push_back(f);
        }
        if (!macrofile::parseCellDetails(cell, rest, why)) return false;
        tab.cells.append(cell);
        return true;
    }

    // The number of positional words of a line; the record checks how many it needs.
    static size_t wordsOf(const std::vector<Field>& fields) {
        size_t n = 0;
        for (size_t k = 1; k < fields.size() && fields[k].key.empty(); ++k) ++n;
        return n;
    }

    Zk_String m_fileName;
    Zk_Macro& m_macro;
    MacroData& m_data;
    std::vector<RecordLine>* m_layout;
    int m_line = 0;
    int m_module = -1;
    int m_tab = -1;
    bool m_lastWasTabRecord = false;
    int m_lastItem = -1;
    int m_lastSub = -1;
};

}  // namespace

bool parseMacroText(const Zk_String& text, const Zk_String& fileName, Zk_Macro& macro, MacroData& data,
                    Zk_String& error) {
    Zk_Macro newMacro;
    MacroData newData;
    Parser parser(fileName, newMacro, newData);
    if (!parser.run(text, error)) return false;
    macro = newMacro;
    data = newData;
    return true;
}

Zk_String macroToText(const Zk_Macro& macro, const MacroData& data) {
    Zk_String out(kHeader);
    out += L"\n";
    auto line = [&out](const Zk_String& text) {
        out += text;
        out += L"\n";
    };
    auto field = [](const wchar_t* key, const Zk_String& value) {
        return Zk_String(L" ") + key + Zk_String(L"=") + quoted(value);
    };
    auto flagText = [](bool value) { return Zk_String(value ? L"1" : L"0"); };
    if (!macro.name.isEmpty()) line(Zk_String(L"macro ") + quoted(macro.name));
    if (!data.caption.isEmpty()) line(Zk_String(L"caption ") + quoted(data.caption));
    for (const Zk_GenVar& v : macro.genVars)
        line(Zk_String(L"genvar ") + quoted(v.name) + Zk_String(L" ") + formatMacroNumber(v.value));
    for (const Zk_BaseProfile& p : macro.baseProfiles)
        line(Zk_String(L"baseprofile") + field(L"section", p.sectionName) + field(L"material", p.material));
    for (const Zk_Module& m : macro.modules) {
        Zk_String head = Zk_String(L"module ") + quoted(m.name) + field(L"class", Zk_String(m.classCode));
        if (!m.groupName.isEmpty()) head += field(L"group", m.groupName);
        line(head);
        for (const Zk_ConstrVar& v : m.variables) {
            Zk_String text = Zk_String(L"  var ") + quoted(v.name) + Zk_String(L" ") + formatMacroNumber(v.value) +
                             field(L"dialog", flagText(v.inDialog)) + field(L"editable", flagText(v.editable));
            if (v.hasFlexFixBtn) text += field(L"button", Zk_String(v.fixed ? L"fixed" : L"flexible"));
            line(text);
        }
        for (const Zk_CutConstraint& c : m.cuts) {
            Zk_String text = Zk_String(L"  cut ") + quoted(c.name);
            for (int t = 0; t < kCutOffsetTypeCount; ++t)
                if (c.hasOffset[t]) text += field(kCutWords[t], formatMacroNumber(c.offset[t]));
            line(text);
        }
        for (const Zk_BoltPattern& p : m.patterns)
            line(Zk_String(L"  pattern ") + quoted(p.name) + field(L"class", Zk_String(p.classCode)) +
                 field(L"bolts1", Zk_String(p.nrBolts1)) + field(L"bolts2", Zk_String(p.nrBolts2)) +
                 field(L"reverse1", flagText(p.reverseStart1)) + field(L"reverse2", flagText(p.reverseStart2)));
        for (const Zk_ProfPlacement& p : m.placements)
            line(Zk_String(L"  placement ") + quoted(p.name) + field(L"group", p.groupName) +
                 field(L"section", p.sectionName) + field(L"material", p.material) + field(L"member", p.memberName));
    }
    auto details = [](const std::vector<Field>& fields) {
        Zk_String text;
        for (const Field& f : fields) text += Zk_String(macrofile::fieldText(f));
        return text;
    };
    for (const MacroTabData& tab : data.tabs) {
        std::vector<Field> more;
        Zk_String head = Zk_String(L"tab ") + quoted(tab.name) + field(L"kind", Zk_String(tab.kind));
        if (!tab.templateName.isEmpty()) head += field(L"template", tab.templateName);
        macrofile::renderTabDetails(tab, more);
        line(head + details(more));
        if (tab.hasBoltData) {
            more.clear();
            macrofile::renderBoltDetails(tab.bolt, more);
            line(Zk_String(L"  bolts") + field(L"diameter", tab.bolt.diameter) +
                 field(L"holeoffset", tab.bolt.holeOffset) + field(L"assembly", tab.bolt.assembly) + details(more));
        }
        for (const MacroCell& c : tab.cells) {
            more.clear();
            macrofile::renderCellDetails(c, more);
            line(Zk_String(L"  cell ") + quoted(c.name) + field(L"value", c.value) + field(L"caption", c.caption) +
                 field(L"editable", flagText(c.editable)) + details(more));
        }
        std::vector<std::wstring> records;
        macrofile::writeTabRecords(tab, records);
        for (const std::wstring& r : records) line(Zk_String(r));
    }
    return out;
}

bool readMacroFile(const Zk_String& path, Zk_DbMacro& dbMacro, MacroData& data, Zk_String& error) {
    Zk_String text;
    if (!readTextFile(path, text)) {
        error = path + (lastReadWasTooLarge()
                            ? Zk_String(L": larger than ") + Zk_String(std::to_wstring(kMaxTextFileBytes)) + L" bytes, not read"
                            : Zk_String(L": cannot be read"));
        return false;
    }
    Zk_Macro macro;
    if (!parseMacroText(text, path, macro, data, error)) return false;
    dbMacro = Zk_DbMacro(std::move(macro));
    return true;
}

bool writeMacroFile(const Zk_String& path, const Zk_DbMacro& dbMacro, const MacroData& data, Zk_String& error) {
    if (!writeTextFile(path, macroToText(dbMacro.macro(), data))) {
        error = path + Zk_String(L": cannot be written");
        return false;
    }
    return true;
}

namespace {

// A record's fields as the writer gives them: positional words (empty key) first, then
// key=value fields, values unquoted.
std::vector<Field> renderRecord(const RecordLine& record, const Zk_Macro& macro, const MacroData& data) {
    std::vector<Field> out;
    auto word = [&out](const Zk_String& text) { out.push_back({L"", text.wstr()}); };
    auto field = [&out](const wchar_t* key, const Zk_String& text) { out.push_back({key, text.wstr()}); };
    auto flag = [](bool value) { return Zk_String(value ? L"1" : L"0"); };
    const std::wstring& k = record.keyword;
    if (record.tabRecord) return macrofile::renderTabRecord(k, data.tabs[record.owner], record.item, record.sub);
    if (k == L"macro") {
        word(macro.name);
    } else if (k == L"caption") {
        word(data.caption);
    } else if (k == L"genvar") {
        const Zk_GenVar& v = macro.genVars[record.item];
        word(v.name);
        word(formatMacroNumber(v.value));
    } else if (k == L"baseprofile") {
        const Zk_BaseProfile& p = macro.baseProfiles[record.item];
        field(L"section", p.sectionName);
        field(L"material", p.material);
    } else if (k == L"module") {
        const Zk_Module& m = macro.modules[record.item];
        word(m.name);
        field(L"class", Zk_String(m.classCode));
        if (!m.groupName.isEmpty()) field(L"group", m.groupName);
    } else if (k == L"var") {
        const Zk_ConstrVar& v = macro.modules[record.owner].variables[record.item];
        word(v.name);
        word(formatMacroNumber(v.value));
        field(L"dialog", flag(v.inDialog));
        field(L"editable", flag(v.editable));
        if (v.hasFlexFixBtn) field(L"button", Zk_String(v.fixed ? L"fixed" : L"flexible"));
    } else if (k == L"cut") {
        const Zk_CutConstraint& c = macro.modules[record.owner].cuts[record.item];
        word(c.name);
        for (int t = 0; t < kCutOffsetTypeCount; ++t)
            if (c.hasOffset[t]) field(kCutWords[t], formatMacroNumber(c.offset[t]));
    } else if (k == L"pattern") {
        const Zk_BoltPattern& p = macro.modules[record.owner].patterns[record.item];
        word(p.name);
        field(L"class", Zk_String(p.classCode));
        field(L"bolts1", Zk_String(p.nrBolts1));
        field(L"bolts2", Zk_String(p.nrBolts2));
        field(L"reverse1", flag(p.reverseStart1));
        field(L"reverse2", flag(p.reverseStart2));
    } else if (k == L"placement") {
        const Zk_ProfPlacement& p = macro.modules[record.owner].placements[record.item];
        word(p.name);
        field(L"group", p.groupName);
        field(L"section", p.sectionName);
        field(L"material", p.material);
        field(L"member", p.memberName);
    } else if (k == L"tab") {
        const MacroTabData& tab = data.tabs[record.item];
        word(tab.name);
        field(L"kind", Zk_String(tab.kind));
        if (!tab.templateName.isEmpty()) field(L"template", tab.templateName);
        macrofile::renderTabDetails(tab, out);
    } else if (k == L"bolts") {
        const MacroBoltData& b = data.tabs[record.owner].bolt;
        field(L"diameter", b.diameter);
        field(L"holeoffset", b.holeOffset);
        field(L"assembly", b.assembly);
        macrofile::renderBoltDetails(b, out);
    } else if (k == L"cell") {
        const MacroCell& c = data.tabs[record.owner].cells[record.item];
        word(c.name);
        field(L"value", c.value);
        field(L"caption", c.caption);
        field(L"editable", flag(c.editable));
        macrofile::renderCellDetails(c, out);
    }
    return out;
}

// The records a macro holds, by name and order: two macros of the same shape differ in
// values only.
std::wstring shapeOf(const Zk_Macro& macro, const MacroData& data) {
    std::wstring s = L"g";
    for (const Zk_GenVar& v : macro.genVars) s += v.name.wstr() + L'\n';
    s += L"b" + std::to_wstring(macro.baseProfiles.length());
    for (const Zk_Module& m : macro.modules) {
        s += L"m" + m.name.wstr() + L'\n';
        for (const Zk_ConstrVar& v : m.variables) s += L"v" + v.name.wstr() + L'\n';
        for (const Zk_CutConstraint& c : m.cuts) s += L"c" + c.name.wstr() + L'\n';
        for (const Zk_BoltPattern& p : m.patterns) s += L"p" + p.name.wstr() + L'\n';
        for (const Zk_ProfPlacement& p : m.placements) s += L"l" + p.name.wstr() + L'\n';
    }
    for (const MacroTabData& tab : data.tabs) {
        s += L"t" + tab.name.wstr() + (tab.hasBoltData ? L"+" : L"-") + L'\n';
        for (const MacroCell& c : tab.cells) s += L"e" + c.name.wstr() + L'\n';
        s += macrofile::tabRecordsShape(tab);
    }
    return s;
}

struct Edit {
    size_t begin, end;  // replaced range of the line
    std::wstring text;
};

// The edits that turn a record line written for `before` into one for `after`: a changed
// value replaces the value as written, a new field is added at the end of the line, a
// field that no longer applies is removed with the blanks before it.
std::vector<Edit> lineEdits(const std::wstring& line, const RecordLine& record, const std::vector<Field>& before,
                            const std::vector<Field>& after) {
    std::vector<Edit> edits;
    auto written = [&record](const std::wstring& key, size_t position) -> const Field* {
        size_t words = 0;
        for (size_t i = 1; i < record.fields.size(); ++i) {
            const Field& f = record.fields[i];
            if (!key.empty() ? f.key == key : f.key.empty() && words++ == position) return &f;
        }
        return nullptr;
    };
    auto find = [](const std::vector<Field>& fields, const std::wstring& key, size_t position) -> const Field* {
        size_t words = 0;
        for (const Field& f : fields)
            if (!key.empty() ? f.key == key : f.key.empty() && words++ == position) return &f;
        return nullptr;
    };
    const size_t lineEnd = record.fields.back().end;
    std::wstring appended;
    size_t words = 0;
    for (const Field& now : after) {
        const size_t position = now.key.empty() ? words++ : 0;
        const Field* was = find(before, now.key, position);
        if (was && was->value == now.value) continue;
        const std::wstring text = quoted(Zk_String(now.value)).wstr();
        if (const Field* at = written(now.key, position))
            edits.push_back({at->valueBegin, at->end, text});
        else
            appended += L" " + now.key + L"=" + text;
    }
    for (const Field& was : before) {
        if (was.key.empty() || find(after, was.key, 0)) continue;
        const Field* at = written(was.key, 0);
        if (!at) continue;
        size_t from = at->begin;
        while (from > 0 && from <= line.size() && isBlank(line[from - 1])) --from;
        edits.push_back({from, at->end, L""});
    }
    if (!appended.empty()) edits.push_back({lineEnd, lineEnd, appended});
    return edits;
}

}  // namespace

bool parseMacroFileBytes(const std::string& bytes, const Zk_String& fileName, Zk_DbMacro& dbMacro, MacroData& data,
                         Zk_String& error) {
    Zk_Macro macro;
    std::string_view text = bytes;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    if (!parseMacroText(Zk_String::fromUtf8(text), fileName, macro, data, error)) return false;
    dbMacro = Zk_DbMacro(std::move(macro));
    return true;
}

std::string updatedMacroText(const std::string& written, const Zk_Macro& macro, const MacroData& data) {
    std::string_view body = written;
    const bool mark = body.substr(0, 3) == "\xEF\xBB\xBF";
    if (mark) body.remove_prefix(3);
    Zk_Macro before;
    MacroData dataBefore;
    std::vector<RecordLine> layout;
    Zk_String error;
    Parser parser(Zk_String(), before, dataBefore, &layout);
    if (!parser.run(Zk_String::fromUtf8(body), error) || shapeOf(before, dataBefore) != shapeOf(macro, data))
        return macroToText(macro, data).toUtf8();

    // The file's lines as bytes, each with its line break; a line changes only when one
    // of its values does.
    std::vector<std::string> lines;
    for (size_t p = 0; p <= body.size();) {
        const size_t q = body.find('\n', p);
        lines.emplace_back(body.substr(p, q == std::string_view::npos ? std::string_view::npos : q + 1 - p));
        if (q == std::string_view::npos) break;
        p = q + 1;
    }
    for (const RecordLine& record : layout) {
        std::string& bytes = lines[record.line];
        std::string ending;
        while (!bytes.empty() && (bytes.back() == '\n' || bytes.back() == '\r')) {
            ending.insert(ending.begin(), bytes.back());
            bytes.pop_back();
        }
        std::wstring line = Zk_String::fromUtf8(bytes).wstr();
        std::vector<Edit> edits =
            lineEdits(line, record, renderRecord(record, before, dataBefore), renderRecord(record, macro, data));
        if (edits.empty()) {
            bytes += ending;
            continue;
        }
        std::sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) { return a.begin > b.begin; });
        for (const Edit& e : edits) line.replace(e.begin, e.end - e.begin, e.text);
        bytes = Zk_String(line).toUtf8() + ending;
    }
    std::string out = mark ? "\xEF\xBB\xBF" : "";
    for (const std::string& line : lines) out += line;
    return out;
}

bool writeMacroFileAsWritten(const Zk_String& path, const std::string& written, const Zk_DbMacro& dbMacro,
                             const MacroData& data, Zk_String& error) {
    if (!WriteFileAtomic(path.wstr(), updatedMacroText(written, dbMacro.macro(), data))) {
        error = path + Zk_String(L": cannot be written");
        return false;
    }
    return true;
}
