// Random names: letters and digits drawn from a non-deterministic source. Tests replace
// the source to make draws repeatable or failing.
#pragma once

#include "host/zk_string.h"

// A text of length letters and digits; false (text empty) when no text can be drawn or
// length is not positive.
bool generateRandomString(int length, Zk_String& text);

using RandomStringSource = bool (*)(int length, Zk_String& text);
// Installs a source (null: the built-in one) and returns the one before.
RandomStringSource setRandomStringSource(RandomStringSource source);
