// One run of tq against the real module: loads tq.arx as the CAD host does (process
// attach, then the init message), shows message boxes and command-line traces on the
// error stream as they appear ("[caption] text" and the text as printed), keeps them for
// the JSON report, and unloads the module at the end.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "tq/cli_output.h"
#include "tq/eval_outcome.h"
#include "win/types.h"

namespace tq {

class Session {
public:
    explicit Session(std::ostream& err);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Loads the module; false with a reason.
    bool loadModule(const std::string& path, std::string& error);
    // Writes what the command line received since the last flush to the error stream.
    void flushTraces();
    // Boxes and traces seen so far, in order.
    const std::vector<RunMessage>& messages() const { return m_messages; }
    // Whether message boxes reach the error stream at all (they are kept either way); on
    // by default.
    void setEchoBoxes(bool echo) { m_echoBoxes = echo; }
    // Whether the engine's diagnostic boxes are shown (on the error stream, as they
    // appear); others always are. Boxes kept back are still recorded (shown false).
    void setShowDiagnostics(bool show) { m_showDiagnostics = show; }
    // Diagnostic boxes kept back from messages[from] on.
    std::size_t boxesKeptBack(std::size_t from) const;
    // How this run's evaluations are judged (tq/eval_outcome.h).
    void setRules(const EvaluationRules& rules) { m_rules = rules; }
    const EvaluationRules& rules() const { return m_rules; }
    // Drops what was kept so far (a batch keeps only what one evaluation reported).
    void forgetMessages();

    // Shows and keeps one message box; answers it with its default button.
    static int onMessageBox(const void* box, void* context);

private:
    void unloadModule();

    std::ostream& m_err;
    HINSTANCE m_module = nullptr;
    std::size_t m_printed = 0;  // characters of the command line already shown
    std::vector<RunMessage> m_messages;
    bool m_echoBoxes = true;
    bool m_showDiagnostics = true;
    EvaluationRules m_rules;
};

}  // namespace tq
