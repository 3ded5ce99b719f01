// One mapping line -> KmTqMapping::initMappingFromLine. Round trip through the mapping
// file: what is read back is the line's entries minus those the writer leaves out
// (duplicates, names unfit for files), and writing that again changes nothing.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "engine/km_tq_mapping.h"
#include "fuzz_support.h"

namespace {
// Every entry of part appears in whole, in the same order.
bool isSubsequence(const KmTqMapping& part, const KmTqMapping& whole) {
    int j = 0;
    const int n = whole.mappedObjects().length();
    for (int i = 0; i < part.mappedObjects().length(); ++i) {
        while (j < n && !(whole.mappedObjects()[j] == part.mappedObjects()[i])) ++j;
        if (j == n) return false;
        ++j;
    }
    return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    KmTqMapping first;
    if (first.initMappingFromLine(Zk_String(std::string(fuzz::asText(data, size)))) != Acad::eOk) return 0;

    const Zk_String tqFile = fuzz::scratchPath("line.kms");
    std::remove((fuzz::scratchDir() + "/line.map").c_str());
    if (first.setMappingToFile(tqFile, Zk_String(L"FUZZ")) != Acad::eOk)
        fuzz::propertyFailed("mapping_line", "writing a parsed mapping failed");
    KmTqMapping second;
    if (second.getMappingFromFile(tqFile, Zk_String(L"FUZZ")) != Acad::eOk)
        fuzz::propertyFailed("mapping_line", "written mapping does not read back");
    if (!isSubsequence(second, first)) fuzz::propertyFailed("mapping_line", "read back entries that were not written");
    if (second.setMappingToFile(tqFile, Zk_String(L"FUZZ")) != Acad::eOk)
        fuzz::propertyFailed("mapping_line", "writing the read-back mapping failed");
    KmTqMapping third;
    if (third.getMappingFromFile(tqFile, Zk_String(L"FUZZ")) != Acad::eOk || !(third == second))
        fuzz::propertyFailed("mapping_line", "write/read of a read-back mapping changed it");
    return 0;
}
