#include "sheeteditor/zk_simple_props_list.h"

#include <cstdio>
#include <string>

#include "win/files.h"

int Zk_SimplePropsList::find(const Zk_String& name) const {
    for (int i = 0; i < m_entries.length(); ++i)
        if (m_entries[i].name.equal(name, true)) return i;
    return -1;
}

bool Zk_SimplePropsList::set(const Zk_String& name, const Entry& value) {
    if (name.isEmpty()) return false;
    Entry entry = value;
    entry.name = name;
    if (entry.type != kText) entry.text.clear();
    const int index = find(name);
    if (index < 0) {
        m_entries.append(entry);
    } else {
        entry.name = m_entries[index].name;
        m_entries[index] = entry;
    }
    return true;
}

bool Zk_SimplePropsList::setReal(const Zk_String& name, double value) {
    Entry e;
    e.type = kReal;
    e.real = value;
    return set(name, e);
}

bool Zk_SimplePropsList::setInt(const Zk_String& name, int value, short type) {
    Entry e;
    e.type = type == kLong ? kLong : kInteger;
    e.integer = value;
    return set(name, e);
}

bool Zk_SimplePropsList::setText(const Zk_String& name, const Zk_String& value) {
    Entry e;
    e.type = kText;
    e.text = value;
    return set(name, e);
}

bool Zk_SimplePropsList::getInt(const Zk_String& name, int& value) const {
    value = 0;
    const int i = find(name);
    if (i < 0 || m_entries[i].type != kInteger) return false;
    value = m_entries[i].integer;
    return true;
}

bool Zk_SimplePropsList::getBool(const Zk_String& name, bool& value) const {
    int v = 0;
    const bool ok = getInt(name, v);
    value = ok && v != 0;
    return ok;
}

bool Zk_SimplePropsList::getText(const Zk_String& name, Zk_String& value) const {
    value.clear();
    const int i = find(name);
    if (i < 0 || m_entries[i].type != kText) return false;
    value = m_entries[i].text;
    return true;
}

bool Zk_SimplePropsList::getReal(const Zk_String& name, double& value) const {
    value = 0.0;
    const int i = find(name);
    if (i < 0 || m_entries[i].type != kReal) return false;
    value = m_entries[i].real;
    return true;
}

namespace {

// A separator inside a name or text would split the record and shift every entry after
// it; it is written as "?".
Zk_String field(const Zk_String& text) {
    Zk_String out = text;
    out.replace(Zk_String(Zk_SimplePropsList::kSeparator), Zk_String(L"?"));
    return out;
}

}  // namespace

Zk_String Zk_SimplePropsList::toText() const {
    Zk_String out;
    for (const Entry& e : m_entries) {
        out += field(e.name);
        out += kSeparator;
        out += Zk_String(static_cast<int>(e.type));
        out += kSeparator;
        switch (e.type) {
        case kReal: {
            char buffer[64];
            std::snprintf(buffer, sizeof buffer, "%.2f", e.real);
            out += Zk_String(buffer);
            break;
        }
        case kInteger:
        case kLong: out += Zk_String(e.integer); break;
        case kText: out += field(e.text); break;
        default: break;
        }
        out += kSeparator;
    }
    return out;
}

bool Zk_SimplePropsList::fromText(const Zk_String& text) {
    clear();
    if (text.isEmpty()) return false;
    Zk_StringArray fields;
    int start = 0;
    for (;;) {
        const int at = text.find(kSeparator, start);
        if (at < 0) break;
        fields.append(text.mid(start, at - start));
        start = at + 1;
    }
    // What follows the last separator is an unfinished field: dropped with its group.
    for (int i = 0; i + 2 < fields.length(); i += 3) {
        Entry e;
        e.type = static_cast<short>(fields[i + 1].trimmed().toInt());
        const Zk_String& value = fields[i + 2];
        switch (e.type) {
        case kReal: e.real = value.toDouble(); break;
        case kInteger:
        case kLong: e.integer = value.toInt(); break;
        case kText: e.text = value; break;
        default: e.type = kNone; break;
        }
        // A nameless group cannot be looked up; it is skipped.
        set(fields[i], e);
    }
    return true;
}

bool Zk_SimplePropsList::readFile(const Zk_String& path) {
    clear();
    if (path.isEmpty()) return false;
    std::string bytes;
    if (!ReadFileBytes(path.wstr(), bytes, kMaxFileBytes)) return false;
    std::wstring text;
    text.reserve(bytes.size());
    for (char c : bytes) text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
    fromText(Zk_String(std::move(text)));
    return true;
}

bool Zk_SimplePropsList::writeFile(const Zk_String& path) const {
    if (path.isEmpty()) return false;
    const Zk_String text = toText();
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.length()));
    for (wchar_t c : text.wstr()) bytes.push_back(c <= 0xFF ? static_cast<char>(c) : '?');
    return WriteFileAtomic(path.wstr(), bytes);
}
