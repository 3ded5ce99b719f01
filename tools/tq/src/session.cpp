#include "tq/session.h"

#include "acad/command_line.h"
#include "acad/module_loader.h"
#include "win/encoding.h"
#include "win/msgbox.h"

namespace tq {

namespace {

int boxHook(const win::MessageBoxRecord& box, void* context) {
    return Session::onMessageBox(&box, context);
}

}  // namespace

Session::Session(std::ostream& err) : m_err(err) {
    acad::SetCommandLineEcho(false);
    acad::ClearCommandLine();
    win::ClearMessageBoxLog();
    win::SetMessageBoxHook(&boxHook, this);
}

Session::~Session() {
    unloadModule();
    flushTraces();
    win::SetMessageBoxHook(nullptr, nullptr);
}

int Session::onMessageBox(const void* record, void* context) {
    auto& self = *static_cast<Session*>(context);
    const auto& box = *static_cast<const win::MessageBoxRecord*>(record);
    self.flushTraces();
    RunMessage message;
    message.kind = RunMessage::Box;
    message.caption = win::Utf8FromWide(box.caption);
    message.text = win::Utf8FromWide(box.text);
    // The duplicate-names box is the one the engine shows whatever its diagnostics option.
    message.diagnostic = message.caption != "Variable names must be unique";
    message.shown = !message.diagnostic || self.m_showDiagnostics;
    if (message.shown && self.m_echoBoxes) {
        self.m_err << "[" << message.caption << "] " << message.text << "\n";
        self.m_err.flush();
    }
    self.m_messages.push_back(std::move(message));
    return win::MessageBoxDefaultButton(box.flags);
}

void Session::flushTraces() {
    const std::wstring text = acad::CommandLineText();
    if (text.size() < m_printed)
        m_printed = 0;  // the log was cleared
    if (text.size() == m_printed)
        return;
    const std::string added = win::Utf8FromWide(std::wstring_view(text).substr(m_printed));
    m_printed = text.size();
    m_err << added;
    m_err.flush();
    // Traces are kept line by line (a line may come in several prints).
    std::size_t start = 0;
    while (start < added.size()) {
        std::size_t end = added.find('\n', start);
        const bool complete = end != std::string::npos;
        if (!complete)
            end = added.size();
        const std::string line = added.substr(start, end - start);
        if (!m_messages.empty() && m_messages.back().kind == RunMessage::Trace &&
            !m_messages.back().text.empty() && m_messages.back().text.back() != '\n') {
            m_messages.back().text += line + (complete ? "\n" : "");
        } else {
            RunMessage message;
            message.kind = RunMessage::Trace;
            message.text = line + (complete ? "\n" : "");
            m_messages.push_back(std::move(message));
        }
        start = end + 1;
    }
}

std::size_t Session::boxesKeptBack(std::size_t from) const {
    std::size_t kept = 0;
    for (std::size_t i = from; i < m_messages.size(); ++i)
        if (m_messages[i].kind == RunMessage::Box && !m_messages[i].shown) ++kept;
    return kept;
}

void Session::forgetMessages() {
    flushTraces();
    m_messages.clear();
    win::ClearMessageBoxLog();
    acad::ClearCommandLine();
    m_printed = 0;
}

bool Session::loadModule(const std::string& path, std::string& error) {
    std::string reason;
    m_module = acad::LoadArxModule(win::WideFromUtf8(path), &reason);
    if (m_module == nullptr) {
        error = "cannot load the module " + path + (reason.empty() ? "" : ": " + reason);
        return false;
    }
    return true;
}

void Session::unloadModule() {
    if (m_module != nullptr)
        acad::UnloadArxModule(m_module);
    m_module = nullptr;
}

}  // namespace tq
