#pragma once
// The map of the pages a table owns. It is a row on a data page: a type byte, then either a bitmap of pages
// counted from a start page (type 0) or the numbers of whole pages (type 5) that hold the bitmap (type 1).
#include <cstdint>
#include <vector>

#include "db/JetPages.h"

namespace jet_file {

// The page numbers the map at that row pointer marks, ascending. Damage when the map or a marked page lies
// outside the file.
std::vector<uint32_t> ReadUsageMap(const Pages& pages, uint32_t rowPointer);

}  // namespace jet_file
