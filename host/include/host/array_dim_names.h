// The dimension names an array of a macro may be laid out along: the dimensions of the
// placed macros named by their object ids. The stand-in's drawing keeps them per object.
#pragma once

#include <map>

#include "acad/db_object_id.h"
#include "host/macro_array_records.h"
#include "host/zk_string.h"

// The dimensions of each macro object in the drawing.
std::map<long long, Zk_StringArray>& arrayDimNamesInDrawing();

// The dimension names every one of the macros has (the first macro's order); empty for
// no objects.
void getValidDimNames(const DynArrayData& data, const AcDbObjectIdArray& objectIds, Zk_StringArray& names);
