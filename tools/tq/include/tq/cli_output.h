// What a tq evaluation prints: the outputs as NAME=VALUE lines, the step timers, or
// everything as one JSON object.
#pragma once

#include <string>
#include <vector>

namespace tq {

struct NameValue {
    std::string name;
    std::string value;
};

// A message box or a command-line trace seen during the run.
struct RunMessage {
    enum Kind { Box, Trace } kind = Box;
    std::string caption;   // boxes only
    std::string text;
    bool diagnostic = false;  // a box the engine shows only with its diagnostics option on
    bool shown = true;        // false: a diagnostic box kept back (no --diagnostics)
};

struct TimerFigure {
    std::string name;      // e.g. "gCalcMain"
    double seconds = 0.0;
    int count = 0;
};

struct RunReport {
    bool ok = false;
    int status = 0;        // the exit status of the run
    std::string error;     // why it failed (one line), empty on success
    std::string standard;  // the file evaluated
    std::string mode;      // "value" or "macro"
    std::vector<NameValue> outputs;
    std::vector<RunMessage> messages;
    std::vector<TimerFigure> timings;
    bool withTimings = false;
};

// "NAME=VALUE\n" per output, in order.
std::string formatOutputs(const std::vector<NameValue>& outputs);
// One line per timer that ran: name, total milliseconds, number of intervals.
std::string formatTimings(const std::vector<TimerFigure>& timings);
// The whole report as one JSON object (with a trailing newline); boxes kept back are
// left out.
std::string formatJson(const RunReport& report);
// s as a JSON string literal (quotes included); invalid UTF-8 bytes become U+FFFD.
std::string jsonString(const std::string& s);

}  // namespace tq
