#include "host/zk_array.h"

#include "acad/command_line.h"

namespace zk_detail {
void reportInvalidInsertIndex() { acutPrintf(L"*Error* Invalid index passed to insert.\n"); }
}  // namespace zk_detail
