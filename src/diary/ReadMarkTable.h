#pragma once
// The table of days marked read in memo.mdb, beside the diary's own table, which it leaves as it is: one
// row per marked day, keyed by the same eight-digit date as the diary's entries.
namespace readmark_table {

inline constexpr char kTable[] = "READMARK";
inline constexpr char kKeyDate[] = "keydate";  // YYYYMMDD

}  // namespace readmark_table
