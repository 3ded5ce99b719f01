#include "tq/cli_output.h"

#include "tq/grid_text.h"

#include <cstdio>

namespace tq {


std::string jsonString(const std::string& s) {
    std::string out = "\"";
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c >= 0x80) {
            char32_t code = 0;
            const std::size_t length = utf8Sequence(s, i, code);
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
