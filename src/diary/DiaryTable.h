#pragma once
// The diary's table in memo.mdb as every part of the program and its tests name it: the table, its four
// columns, and the mark that stands for an empty field. The names are those of files already in use.
#include <string>

namespace diary_table {

inline constexpr char kTable[] = "VESPERAL";
inline constexpr char kKeyDate[] = "keydate";  // the date as eight digits, YYYYMMDD
inline constexpr char kTitle[] = "memo1";
inline constexpr char kMeditation[] = "memo2";
inline constexpr char kPrayer[] = "memo3";

// The table refuses empty texts, so an empty field is stored as this mark; it is never shown, searched
// or exported as text.
inline constexpr char kEmptyMark[] = "x";
inline bool IsEmptyMark(const std::string& stored) { return stored == kEmptyMark; }
inline std::string TextOrMark(const std::string& text) { return text.empty() ? kEmptyMark : text; }
inline std::string MarkToEmpty(std::string stored) { return IsEmptyMark(stored) ? std::string() : stored; }

}  // namespace diary_table
