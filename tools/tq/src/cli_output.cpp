#include "tq/cli_output.h"

#include <cstdio>

namespace tq {

namespace {

// Length of the valid UTF-8 sequence starting at s[i], or 0 when it is not one.
std::size_t utf8SequenceLength(const std::string& s, std::size_t i) {
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t length = 0;
    unsigned minimum = 0;
    unsigned code = 0;
    if (c < 0x80) return 1;
    if ((c & 0xE0) == 0xC0) { length = 2; code = c & 0x1F; minimum = 0x80; }
    else if ((c & 0xF0) == 0xE0) { length = 3; code = c & 0x0F; minimum = 0x800; }
    else if ((c & 0xF8) == 0xF0) { length = 4; code = c & 0x07; minimum = 0x10000; }
    else return 0;
    if (i + length > s.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto d = static_cast<unsigned char>(s[i + k]);
        if ((d & 0xC0) != 0x80) return 0;
        code = (code << 6) | (d & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

}  // namespace

std::string jsonString(const std::string& s) {
    std::string out = "\"";
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c >= 0x80) {
            const std::size_t length = utf8SequenceLength(s, i);
            if (length == 0) {
                out += "\\ufffd";
                ++i;
            } else {
                out.append(s, i, length);
                i += length;
            }
            continue;
        }
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
                out += buffer;
            } else {
                out += static_cast<char>(c);
            }
        }
        ++i;
    }
    out += '"';
    return out;
}

std::string formatOutputs(const std::vector<NameValue>& outputs) {
    std::string out;
    for (const NameValue& item : outputs)
        out += item.name + "=" + item.value + "\n";
    return out;
}

std::string formatTimings(const std::vector<TimerFigure>& timings) {
    std::string out;
    for (const TimerFigure& timer : timings) {
        if (timer.count == 0 && timer.seconds == 0.0)
            continue;
        char buffer[160];
        std::snprintf(buffer, sizeof buffer, "%-30s %10.3f ms %6d\n", timer.name.c_str(),
                      timer.seconds * 1000.0, timer.count);
        out += buffer;
    }
    return out;
}

std::string formatJson(const RunReport& report) {
    std::string out = "{\"ok\":";
    out += report.ok ? "true" : "false";
    out += ",\"status\":" + std::to_string(report.status);
    if (!report.error.empty())
        out += ",\"error\":" + jsonString(report.error);
    out += ",\"standard\":" + jsonString(report.standard);
    out += ",\"mode\":" + jsonString(report.mode);
    out += ",\"outputs\":{";
    for (std::size_t i = 0; i < report.outputs.size(); ++i) {
        if (i) out += ',';
        out += jsonString(report.outputs[i].name) + ":" + jsonString(report.outputs[i].value);
    }
    out += "},\"messages\":[";
    bool first = true;
    for (std::size_t i = 0; i < report.messages.size(); ++i) {
        const RunMessage& m = report.messages[i];
        if (!m.shown) continue;
        if (!first) out += ',';
        first = false;
        if (m.kind == RunMessage::Box)
            out += "{\"kind\":\"box\",\"caption\":" + jsonString(m.caption) + ",\"text\":" +
                   jsonString(m.text) + ",\"diagnostic\":" + (m.diagnostic ? "true" : "false") + "}";
        else
            out += "{\"kind\":\"trace\",\"text\":" + jsonString(m.text) + "}";
    }
    out += "]";
    if (report.withTimings) {
        out += ",\"timings\":{";
        for (std::size_t i = 0; i < report.timings.size(); ++i) {
            const TimerFigure& t = report.timings[i];
            if (i) out += ',';
            char buffer[96];
            std::snprintf(buffer, sizeof buffer, "{\"seconds\":%.9f,\"count\":%d}", t.seconds, t.count);
            out += jsonString(t.name) + ":" + buffer;
        }
        out += "}";
    }
    out += "}\n";
    return out;
}

}  // namespace tq
