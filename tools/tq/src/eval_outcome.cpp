#include "tq/eval_outcome.h"

#include "host/list_utils.h"

namespace tq {

namespace {

bool isErrorValue(const std::string& text) {
    static const char* const kErrors[] = {"#DIV/0!", "#VALUE!", "#REF!", "#NAME?", "#N/A", "#NUM!", "#CIRC!"};
    for (const char* e : kErrors)
        if (text == e) return true;
    return false;
}

std::string oneLine(const std::string& text) {
    std::string out;
    for (char c : text) {
        const bool blank = c == '\n' || c == '\r' || c == '\t' || c == ' ';
        if (blank) {
            if (!out.empty() && out.back() != ' ') out += ' ';
        } else {
            out += c;
        }
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

}  // namespace

std::string reportedFailure(const std::vector<RunMessage>& messages, std::size_t from) {
    std::string first;
    std::size_t more = 0;
    for (std::size_t i = from; i < messages.size(); ++i) {
        if (messages[i].kind != RunMessage::Box) continue;
        if (!first.empty()) {
            ++more;
            continue;
        }
        std::string text = messages[i].text;
        const std::size_t tip = text.find("Here's a tip");
        if (tip != std::string::npos) text.erase(tip);
        first = oneLine(text);
        if (first.empty()) first = oneLine(messages[i].caption);
        if (first.empty()) first = "a message was shown";
    }
    if (more) first += " (and " + std::to_string(more) + (more == 1 ? " more message)" : " more messages)");
    return first;
}

std::string valueTypeMismatch(const KmVarCells& cells) {
    for (int i = 0; i < cells.length(); ++i) {
        const KmVarCell& cell = cells[i];
        if (cell.valueType == KmValueType::String || cell.value.isEmpty() || isNumber(cell.value)) continue;
        return cell.varName.toUtf8() + " takes a number, not \"" + oneLine(cell.value.toUtf8()) + "\"";
    }
    return {};
}

std::string errorOutput(const KmVarCells& cells) {
    for (int i = 0; i < cells.length(); ++i) {
        const std::string value = cells[i].value.toUtf8();
        if (cells[i].isOutput() && isErrorValue(value)) return cells[i].varName.toUtf8() + " is " + value;
    }
    return {};
}

std::string evaluationFailure(bool evaluated, const std::vector<RunMessage>& messages, std::size_t from,
                              const KmVarCells& given, const KmVarCells& results) {
    std::string why = reportedFailure(messages, from);
    if (!evaluated) {
        if (why.empty()) why = valueTypeMismatch(given);
        return why.empty() ? "the evaluation failed" : why;
    }
    if (why.empty()) why = errorOutput(results);
    return why;
}

}  // namespace tq
