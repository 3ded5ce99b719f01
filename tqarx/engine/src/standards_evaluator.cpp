#include "engine/standards_evaluator.h"

namespace {
KmStandardsEvaluator gEvaluator = nullptr;
}

KmStandardsEvaluator setStandardsEvaluator(KmStandardsEvaluator evaluator) {
    KmStandardsEvaluator previous = gEvaluator;
    gEvaluator = evaluator;
    return previous;
}

KmStandardsEvaluator standardsEvaluator() { return gEvaluator; }

bool evaluateStandards(KmDlgStandardsData& data) {
    return gEvaluator != nullptr && gEvaluator(data);
}
