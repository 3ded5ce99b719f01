#include "macro_file_tab_records.h"

#include <cmath>

#include "host/macro_model.h"

namespace macrofile {

namespace {

// What a record's description is run with: a parser that takes the values out of a
// line's fields, or a renderer that turns the values into fields.
class Binder {
public:
    virtual ~Binder() = default;
    virtual void text(const wchar_t* key, Zk_String& value) = 0;
    virtual void flag(const wchar_t* key, bool& value) = 0;
    virtual void integer(const wchar_t* key, int& value, int low, int high) = 0;
    virtual void objectId(const wchar_t* key, long long& value) = 0;
    virtual void number(const wchar_t* key, double& value) = 0;
    // Items separated by "|"; an empty value is an empty list.
    virtual void list(const wchar_t* key, Zk_StringArray& value) = 0;
    // 0 off, 1 on, -1 mixed.
    void triState(const wchar_t* key, int& value) { integer(key, value, -1, 1); }
};

constexpr long long kMaxObjectId = 1000000000000000LL;

class ParseBinder : public Binder {
public:
    explicit ParseBinder(const std::vector<Field>& named) : m_named(named), m_used(named.size(), false) {}

    void text(const wchar_t* key, Zk_String& value) override {
        if (const Field* f = take(key)) value = Zk_String(f->value);
    }
    void flag(const wchar_t* key, bool& value) override {
        const Field* f = take(key);
        if (!f) return;
        if (f->value == L"1") value = true;
        else if (f->value == L"0") value = false;
        else bad(*f, L"0 or 1");
    }
    void integer(const wchar_t* key, int& value, int low, int high) override {
        const Field* f = take(key);
        if (!f) return;
        double d = 0;
        if (!parseMacroNumber(Zk_String(f->value), d) || d != std::floor(d) || d < low || d > high)
            return bad(*f, L"a whole number from " + std::to_wstring(low) + L" to " + std::to_wstring(high));
        value = static_cast<int>(d);
    }
    void objectId(const wchar_t* key, long long& value) override {
        const Field* f = take(key);
        if (!f) return;
        double d = 0;
        if (!parseMacroNumber(Zk_String(f->value), d) || d != std::floor(d) || d < 0 ||
            d > static_cast<double>(kMaxObjectId))
            return bad(*f, L"an object number");
        value = static_cast<long long>(d);
    }
    void number(const wchar_t* key, double& value) override {
        const Field* f = take(key);
        if (f && !parseMacroNumber(Zk_String(f->value), value)) bad(*f, L"a number");
    }
    void list(const wchar_t* key, Zk_StringArray& value) override {
        const Field* f = take(key);
        if (!f) return;
        value.removeAll();
        if (f->value.empty()) return;
        size_t from = 0;
        for (;;) {
            const size_t bar = f->value.find(L'|', from);
            value.append(Zk_String(f->value.substr(from, bar == std::wstring::npos ? std::wstring::npos : bar - from)));
            if (bar == std::wstring::npos) break;
            from = bar + 1;
        }
    }

    // False with why at the first bad value, or at a field no description took.
    bool finish(std::wstring& why) const {
        if (!m_why.empty()) {
            why = m_why;
            return false;
        }
        for (size_t i = 0; i < m_named.size(); ++i)
            if (!m_used[i]) {
                why = L"unknown field \"" + m_named[i].key + L"\"";
                return false;
            }
        return true;
    }

private:
    const Field* take(const wchar_t* key) {
        for (size_t i = 0; i < m_named.size(); ++i)
            if (m_named[i].key == key) {
                m_used[i] = true;
                return &m_named[i];
            }
        return nullptr;
    }
    void bad(const Field& f, const std::wstring& wanted) {
        if (m_why.empty()) m_why = L"bad value \"" + f.value + L"\" for " + f.key + L" (wants " + wanted + L")";
    }

    const std::vector<Field>& m_named;
    std::vector<bool> m_used;
    std::wstring m_why;
};

class RenderBinder : public Binder {
public:
    std::vector<Field> fields;

    void text(const wchar_t* key, Zk_String& value) override { add(key, value.wstr()); }
    void flag(const wchar_t* key, bool& value) override { add(key, value ? L"1" : L"0"); }
    void integer(const wchar_t* key, int& value, int, int) override { add(key, std::to_wstring(value)); }
    void objectId(const wchar_t* key, long long& value) override { add(key, std::to_wstring(value)); }
    void number(const wchar_t* key, double& value) override { add(key, formatMacroNumber(value).wstr()); }
    void list(const wchar_t* key, Zk_StringArray& value) override {
        std::wstring joined;
        for (int i = 0; i < value.length(); ++i) {
            if (i > 0) joined += L'|';
            joined += value[i].wstr();
        }
        add(key, joined);
    }

private:
    void add(const wchar_t* key, const std::wstring& value) { fields.push_back({key, value}); }
};

// The record descriptions. Keys are lower case; a record's fields are optional and a
// field left out keeps the fresh record's value.

void describe(Binder& b, MacroBoltData& r) {
    b.text(L"tolerance", r.holeTolerance);
    b.text(L"penetration", r.penetrationLength);
    b.text(L"added", r.addedLength);
    b.flag(L"holestofill", r.hasHolesToFill);
    b.flag(L"fillholes", r.fillHoles);
    b.triState(L"tapped", r.tapped);
    b.triState(L"flip", r.flipOrientation);
    b.triState(L"countersunk", r.countersunk);
    b.triState(L"workshop", r.workshop);
    b.triState(L"nut1", r.nut1);
    b.triState(L"nut2", r.nut2);
    b.triState(L"washer1", r.washer1);
    b.triState(L"washer2", r.washer2);
    b.triState(L"washers", r.washers);
}

void describe(Binder& b, MacroCell& r) {
    b.integer(L"kind", r.kind, kCellNumber, kCellCheck);
    b.list(L"choices", r.choices);
}

void describe(Binder& b, MacroTabData& r) { b.flag(L"advbuttons", r.advBtnForEveryGroup); }

void describe(Binder& b, MacroSlottedHole& r) {
    b.triState(L"active", r.active);
    b.text(L"radius", r.radius);
    b.text(L"length", r.length);
    b.text(L"angle", r.angle);
    b.text(L"extra", r.extra);
    b.integer(L"choice", r.choice, -1, 2);
}

void describe(Binder& b, MacroHoleColumn& r) { b.flag(L"checked", r.checked); }

void describeDirection(Binder& b, MacroPatternDirection& d, const wchar_t* number) {
    auto key = [number](const wchar_t* base) { return std::wstring(base) + number; };
    b.triState(key(L"usespacing").c_str(), d.useSpacing);
    b.triState(key(L"option").c_str(), d.option);
    b.integer(key(L"choice").c_str(), d.choice, -1, 2);
    b.text(key(L"spacing").c_str(), d.spacing);
    b.text(key(L"edge").c_str(), d.edgeDistance);
    b.list(key(L"entries").c_str(), d.entries);
}

void describe(Binder& b, MacroPatternProps& r) {
    b.integer(L"type", r.type, kMacroPatternOneDir, kMacroPatternTwoDir);
    b.text(L"value", r.value);
    b.integer(L"bolts1", r.nrBolts1, 1, kMaxFileCount);
    b.integer(L"bolts2", r.nrBolts2, 1, kMaxFileCount);
    b.flag(L"reverse1", r.reverseStart1);
    b.flag(L"reverse2", r.reverseStart2);
    b.triState(L"staggered", r.staggered);
    b.triState(L"alternatea", r.alternateA);
    b.triState(L"alternateb", r.alternateB);
    b.triState(L"alternatec", r.alternateC);
    describeDirection(b, r.dir1, L"1");
    describeDirection(b, r.dir2, L"2");
}

void describe(Binder& b, MacroProfData& r) {
    b.text(L"group", r.groupName);
    b.text(L"section", r.sectionName);
    b.text(L"material", r.material);
    b.text(L"member", r.memberName);
    b.objectId(L"id", r.objectId);
    b.integer(L"offset", r.offsetType, -1, kMacroOffsetItemCount);
    b.triState(L"byref", r.byReference);
    b.text(L"x", r.xOffset);
    b.text(L"y", r.yOffset);
    b.text(L"rotation", r.rotation);
    b.text(L"plane", r.planeText);
    b.objectId(L"planeid", r.planeObjectId);
    b.flag(L"morphed", r.morphed);
    b.text(L"endsection", r.endSectionName);
    b.text(L"morph1", r.morphGroup1);
    b.text(L"morph2", r.morphGroup2);
    b.triState(L"onsegment", r.onSegment);
    b.text(L"segment", r.segmentNr);
    b.triState(L"option", r.option);
    b.flag(L"pointset", r.sectionPointSet);
    b.number(L"pointx", r.sectionPointX);
    b.number(L"pointy", r.sectionPointY);
}

void describe(Binder& b, MacroProfSegmentedData& r) {
    b.text(L"profile", r.profile);
    b.number(L"clearance", r.clearance);
    b.flag(L"break", r.breakAtEveryPoint);
}

void describe(Binder& b, MacroProfSegment& r) { b.text(L"value", r.value); }

template <typename Record>
bool parseFields(Record& record, const std::vector<Field>& named, std::wstring& why) {
    ParseBinder binder(named);
    describe(binder, record);
    return binder.finish(why);
}

// The fields of record whose values differ from a fresh record's.
template <typename Record>
void renderFields(const Record& record, std::vector<Field>& out) {
    Record copy = record;
    Record fresh;
    RenderBinder now, initial;
    describe(now, copy);
    describe(initial, fresh);
    for (size_t i = 0; i < now.fields.size(); ++i)
        if (now.fields[i].value != initial.fields[i].value) out.push_back(now.fields[i]);
}

std::vector<Field> withWords(std::initializer_list<std::wstring> words) {
    std::vector<Field> out;
    for (const std::wstring& w : words) out.push_back({L"", w});
    return out;
}

bool needWords(const std::wstring& keyword, const std::vector<std::wstring>& words, size_t count, std::wstring& why) {
    if (words.size() == count) return true;
    why = L"\"" + keyword + L"\" needs " +
          (count == 0 ? std::wstring(L"no words") : count == 1 ? std::wstring(L"1 name") : std::to_wstring(count) + L" words");
    return false;
}

}  // namespace

bool isTabRecordKeyword(const std::wstring& k) {
    return k == L"slot" || k == L"holecolumn" || k == L"pattern" || k == L"profile" || k == L"segmented" ||
           k == L"segment";
}

bool parseTabRecord(const std::wstring& k, MacroTabData& tab, const std::vector<std::wstring>& words,
                    const std::vector<Field>& named, int& item, int& sub, std::wstring& why) {
    item = sub = -1;
    if (k == L"slot") {
        if (!tab.hasBoltData) return (why = L"\"slot\" before the tab's \"bolts\""), false;
        MacroSlottedHole slot;
        if (!needWords(k, words, 0, why) || !parseFields(slot, named, why)) return false;
        tab.bolt.slottedHoles.append(slot);
        item = tab.bolt.slottedHoles.length() - 1;
        return true;
    }
    if (k == L"holecolumn") {
        if (!tab.hasBoltData) return (why = L"\"holecolumn\" before the tab's \"bolts\""), false;
        MacroHoleColumn column;
        if (!needWords(k, words, 1, why) || !parseFields(column, named, why)) return false;
        column.name = Zk_String(words[0]);
        for (const MacroHoleColumn& c : tab.bolt.holeColumns)
            if (c.name == column.name) return (why = L"hole column given twice"), false;
        tab.bolt.holeColumns.append(column);
        item = tab.bolt.holeColumns.length() - 1;
        return true;
    }
    if (k == L"pattern") {
        MacroPatternProps pattern;
        if (!needWords(k, words, 1, why) || !parseFields(pattern, named, why)) return false;
        pattern.name = Zk_String(words[0]);
        if (tab.findPatternWithName(pattern.name)) return (why = L"pattern given twice"), false;
        tab.patterns.append(pattern);
        item = tab.patterns.length() - 1;
        return true;
    }
    if (k == L"profile") {
        MacroProfData prof;
        if (!needWords(k, words, 0, why) || !parseFields(prof, named, why)) return false;
        if (prof.objectId != 0 && tab.getProfDataIndx(prof.objectId) >= 0) return (why = L"profile id given twice"), false;
        tab.profs.append(prof);
        item = tab.profs.length() - 1;
        return true;
    }
    if (k == L"segmented") {
        MacroProfSegmentedData segmented;
        if (!needWords(k, words, 1, why) || !parseFields(segmented, named, why)) return false;
        segmented.name = Zk_String(words[0]);
        for (const MacroProfSegmentedData& s : tab.segmented)
            if (s.name == segmented.name) return (why = L"segmented profile given twice"), false;
        tab.segmented.append(segmented);
        item = tab.segmented.length() - 1;
        return true;
    }
    // segment
    if (tab.segmented.isEmpty()) return (why = L"\"segment\" outside a segmented profile"), false;
    MacroProfSegment segment;
    if (!needWords(k, words, 1, why)) return false;
    double number = 0;
    if (!parseMacroNumber(Zk_String(words[0]), number) || number != std::floor(number) || number < 1 ||
        number > kMaxFileCount)
        return (why = L"bad segment number \"" + words[0] + L"\" (wants 1 to " + std::to_wstring(kMaxFileCount) + L")"),
               false;
    segment.number = static_cast<int>(number);
    if (!parseFields(segment, named, why)) return false;
    MacroProfSegmentedData& owner = tab.segmented[tab.segmented.length() - 1];
    if (owner.segments.length() >= kMaxFileCount) return (why = L"too many segments"), false;
    owner.segments.append(segment);
    item = tab.segmented.length() - 1;
    sub = owner.segments.length() - 1;
    return true;
}

std::vector<Field> renderTabRecord(const std::wstring& k, const MacroTabData& tab, int item, int sub) {
    std::vector<Field> out;
    if (k == L"slot") {
        renderFields(tab.bolt.slottedHoles[item], out);
    } else if (k == L"holecolumn") {
        out = withWords({tab.bolt.holeColumns[item].name.wstr()});
        renderFields(tab.bolt.holeColumns[item], out);
    } else if (k == L"pattern") {
        out = withWords({tab.patterns[item].name.wstr()});
        renderFields(tab.patterns[item], out);
    } else if (k == L"profile") {
        renderFields(tab.profs[item], out);
    } else if (k == L"segmented") {
        out = withWords({tab.segmented[item].name.wstr()});
        renderFields(tab.segmented[item], out);
    } else if (k == L"segment") {
        const MacroProfSegment& segment = tab.segmented[item].segments[sub];
        out = withWords({std::to_wstring(segment.number)});
        renderFields(segment, out);
    }
    return out;
}

void writeTabRecords(const MacroTabData& tab, std::vector<std::wstring>& lines) {
    auto line = [&lines](const wchar_t* keyword, const std::vector<Field>& fields) {
        std::wstring text = std::wstring(keyword == std::wstring(L"segment") ? L"    " : L"  ") + keyword;
        for (const Field& f : fields) text += fieldText(f);
        lines.push_back(text);
    };
    if (tab.hasBoltData) {
        for (int i = 0; i < tab.bolt.slottedHoles.length(); ++i) line(L"slot", renderTabRecord(L"slot", tab, i, 0));
        for (int i = 0; i < tab.bolt.holeColumns.length(); ++i)
            line(L"holecolumn", renderTabRecord(L"holecolumn", tab, i, 0));
    }
    for (int i = 0; i < tab.patterns.length(); ++i) line(L"pattern", renderTabRecord(L"pattern", tab, i, 0));
    for (int i = 0; i < tab.profs.length(); ++i) line(L"profile", renderTabRecord(L"profile", tab, i, 0));
    for (int i = 0; i < tab.segmented.length(); ++i) {
        line(L"segmented", renderTabRecord(L"segmented", tab, i, 0));
        for (int s = 0; s < tab.segmented[i].segments.length(); ++s)
            line(L"segment", renderTabRecord(L"segment", tab, i, s));
    }
}

std::wstring tabRecordsShape(const MacroTabData& tab) {
    std::wstring s;
    if (tab.hasBoltData) {
        s += L"s" + std::to_wstring(tab.bolt.slottedHoles.length()) + L'\n';
        for (const MacroHoleColumn& c : tab.bolt.holeColumns) s += L"h" + c.name.wstr() + L'\n';
    }
    for (const MacroPatternProps& p : tab.patterns) s += L"p" + p.name.wstr() + L'\n';
    s += L"r" + std::to_wstring(tab.profs.length()) + L'\n';
    for (const MacroProfSegmentedData& g : tab.segmented)
        s += L"g" + g.name.wstr() + L'\n' + std::to_wstring(g.segments.length()) + L'\n';
    return s;
}

bool parseBoltDetails(MacroBoltData& bolt, const std::vector<Field>& named, std::wstring& why) {
    return parseFields(bolt, named, why);
}
bool parseCellDetails(MacroCell& cell, const std::vector<Field>& named, std::wstring& why) {
    return parseFields(cell, named, why);
}
bool parseTabDetails(MacroTabData& tab, const std::vector<Field>& named, std::wstring& why) {
    ParseBinder binder(named);
    describe(binder, tab);
    return binder.finish(why);
}
void renderBoltDetails(const MacroBoltData& bolt, std::vector<Field>& out) { renderFields(bolt, out); }
void renderCellDetails(const MacroCell& cell, std::vector<Field>& out) { renderFields(cell, out); }
void renderTabDetails(const MacroTabData& tab, std::vector<Field>& out) {
    if (tab.advBtnForEveryGroup) out.push_back({L"advbuttons", L"1"});
}

std::wstring quotedValue(const std::wstring& text) {
    bool needs = text.empty();
    for (wchar_t c : text)
        if (c == L' ' || c == L'\t' || c == L'\r' || c == L'"' || c == L'=' || c == L'#' || c == L'\n') needs = true;
    if (!needs) return text;
    std::wstring out = L"\"";
    for (wchar_t c : text) {
        if (c == L'"') out += L'"';
        out += c;
    }
    return out + L"\"";
}

std::wstring fieldText(const Field& field) {
    return field.key.empty() ? L" " + quotedValue(field.value) : L" " + field.key + L"=" + quotedValue(field.value);
}

}  // namespace macrofile
