// The hook through which the engine evaluates a standards record in another window.
// CallChild hands its value-mode record to evaluateStandards; the module frame installs
// StartDlgStandardsTq at load, tests may install their own evaluator. With no evaluator
// installed evaluateStandards fails (false) and changes nothing.
#pragma once

class KmDlgStandardsData;

using KmStandardsEvaluator = bool (*)(KmDlgStandardsData&);

// Installs the evaluator (null removes it); returns the previous one.
KmStandardsEvaluator setStandardsEvaluator(KmStandardsEvaluator evaluator);
KmStandardsEvaluator standardsEvaluator();

// Runs the installed evaluator on data; false when none is installed or it fails.
bool evaluateStandards(KmDlgStandardsData& data);
