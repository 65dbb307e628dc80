#pragma once
// Memo and OLE values. Their field in the row is a 12-byte header: the length and two flag bits, then the
// address of the first long-value (LVAL) row. The value lies after the header (inline), in one LVAL row,
// or in a chain of LVAL rows each starting with the address of the next.
#include <string>

#include "db/JetBytes.h"
#include "db/JetPages.h"

namespace jet_file {

// No diary entry or verse comes near this; a longer value is refused, as the database layer refuses it.
constexpr size_t kMaxLongValueBytes = 16 * 1024 * 1024;

// The stored bytes of the value (text still in the file's encoding). Damage when the header's length does
// not fit where it points, when a chain ends early or loops; kTooLarge beyond the bound.
std::string ReadLongValue(const Pages& pages, Bytes field);

}  // namespace jet_file
