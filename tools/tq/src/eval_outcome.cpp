#include "tq/eval_outcome.h"

#include "host/list_utils.h"

namespace tq {

namespace {

bool isErrorValue(const std::string& text) {
    static const char* const kErrors[] = {"#DIV/0!", "#VALUE!", "#REF!", "#NAME?", "#N/A", "#NUM!", "#CIRC!", "#NULL!"};
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

const char* typeWord(KmValueType type) {
    switch (type) {
    case KmValueType::Int: return "Int";
    case KmValueType::Double: return "Double";
    case KmValueType::String: break;
    }
    return "String";
}

// "A", "A and B", "A, B and C".
std::string nameList(const std::vector<std::string>& names) {
    std::string out;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i) out += i + 1 == names.size() ? " and " : ", ";
        out += names[i];
    }
    return out;
}

}  // namespace

std::size_t countBoxes(const std::vector<RunMessage>& messages, std::size_t from) {
    std::size_t boxes = 0;
    for (std::size_t i = from; i < messages.size(); ++i)
        if (messages[i].kind == RunMessage::Box && messages[i].shown) ++boxes;
    return boxes;
}

std::string reportedFailure(const std::vector<RunMessage>& messages, std::size_t from) {
    std::string first;
    std::size_t more = 0;
    for (std::size_t i = from; i < messages.size(); ++i) {
        if (messages[i].kind != RunMessage::Box || !messages[i].shown) continue;
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
        return cell.varName.toUtf8() + " is declared " + typeWord(cell.valueType) + " and takes a number, not \"" +
               oneLine(cell.value.toUtf8()) + "\"";
    }
    return {};
}

std::string outputProblems(const KmVarCells& cells) {
    std::vector<std::string> empty;
    std::string errors;
    for (int i = 0; i < cells.length(); ++i) {
        if (!cells[i].isOutput()) continue;
        const Zk_String& value = cells[i].value;
        if (value.isEmpty()) {
            empty.push_back(cells[i].varName.toUtf8());
        } else if (value[0] == L'#' && isErrorValue(value.toUtf8())) {  // error texts start with "#"
            if (!errors.empty()) errors += ", ";
            errors += cells[i].varName.toUtf8() + " is " + value.toUtf8();
        }
    }
    std::string out;
    if (!empty.empty()) out = nameList(empty) + (empty.size() == 1 ? " has no value" : " have no value");
    if (!errors.empty()) out += (out.empty() ? "" : "; ") + errors;
    return out;
}

std::string evaluationFailure(bool evaluated, const std::vector<RunMessage>& messages, std::size_t from,
                              const KmVarCells& given, const KmVarCells& results, const EvaluationRules& rules) {
    const std::string boxes = reportedFailure(messages, from);
    if (!evaluated) {
        if (!boxes.empty()) return boxes;
        const std::string mismatch = valueTypeMismatch(given);
        return mismatch.empty() ? "the engine could not evaluate the standard" : mismatch;
    }
    std::string why = outputProblems(results);
    if (!why.empty()) {
        if (!boxes.empty()) why += " (after the message: " + boxes + ")";
        else if (!rules.diagnostics) why += " (--diagnostics shows the engine's messages)";
        return why;
    }
    if (rules.strict && !boxes.empty()) return "a message was shown (--strict): " + boxes;
    return {};
}

}  // namespace tq
