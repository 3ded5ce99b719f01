// Number helpers: rounding to a step and sorted lists.
#pragma once

#include "host/zk_array.h"

// value rounded to the nearest multiple of step (halves away from zero); value
// itself for a step <= 0 or a value that is not finite. Floating noise in value/step
// (below 1e-9 of a step) is ignored.
double ObjectExportRoundTo(double value, double step);
// value rounded up to a multiple of step, except that a value exceeding a multiple by
// no more than tolerance (>= 0) rounds down to it; value itself for a step <= 0.
double ObjectExportRoundUp(double value, double step, double tolerance = 0.0);
// Sorts ascending (descending when asked); equal values keep their order.
void ObjectExportSort(Zk_Array<double>& values, bool descending = false);
void ObjectExportSort(Zk_Array<int>& values, bool descending = false);
// Inserts value into an ascending list at its place (after equal values) and returns
// its index; with unique a value already present is not added and its index returned.
int ObjectExportAddToSorted(Zk_Array<double>& values, double value, bool unique = false);
int ObjectExportAddToSorted(Zk_Array<int>& values, int value, bool unique = false);
