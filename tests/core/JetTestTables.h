#pragma once
// The tables of the older program's files as the tests and benchmarks write them in Jet format: the diary
// VESPERAL and the plan tables YEAR, MONTH, DAYRANGE and DAY, with Korean text.
#include <cstdio>
#include <string>
#include <vector>

#include "JetWriter.h"

namespace jet_test {

using namespace jet_writer;

// Korean text of about `chars` characters; 가, 대 and 저 keep Jet 4 from compressing it unless `compressible`.
inline std::string KoreanText(size_t chars, int seed, bool compressible = false) {
  static const char* const kWords[] = {"주님의 ", "은혜 ", "말씀을 ", "묵상하며 ", "오늘도 ", "감사합니다. "};
  std::string text = compressible ? "Psalm " : "가대저 ";
  for (int i = seed; text.size() < chars * 3; ++i) text += compressible ? "abc " : kWords[i % 6];
  return text + std::to_string(seed);
}

// `count` entries from 1 January 2019 on: every fifth meditation long enough for a chain of long-value
// pages, every seventh row deleted, every eleventh moved to a later page, every thirteenth without prayer.
inline TableSpec Diary(int count, size_t memoChars = 120) {
  TableSpec table{"VESPERAL",
                  {{"keydate", Type::kText, 8}, {"memo1", Type::kMemo}, {"memo2", Type::kMemo}, {"memo3", Type::kMemo}},
                  {}};
  for (int i = 0; i < count; ++i) {
    char key[16];
    std::snprintf(key, sizeof key, "%04d%02d%02d", 2019 + i / 336, i / 28 % 12 + 1, i % 28 + 1);
    RowSpec row;
    row.cells = {Str(key), Str(i % 2 ? "x" : "제목 " + std::to_string(i)),
                 Str(KoreanText(i % 5 == 4 ? 3000 : memoChars, i, i % 3 == 0)),
                 i % 13 == 12 ? Null() : Str(KoreanText(memoChars / 2, i + 1))};
    row.deleted = i % 7 == 6;
    row.moved = i % 11 == 10;
    table.rows.push_back(row);
  }
  return table;
}

// A plan of the first `days` days of the year (28 a month), `verses` verses a day.
inline std::vector<TableSpec> Plan(int year, int days, int verses) {
  std::vector<TableSpec> tables = {
      {"YEAR",
       {{"year", Type::kInt}, {"ytitle", Type::kText}},
       {{{Num(year), Str(std::to_string(year) + "년 성경 읽기")}}}},
      {"MONTH", {{"month", Type::kInt}, {"mtitle", Type::kText}}, {}},
      {"DAYRANGE", {{"month", Type::kInt}, {"day", Type::kInt}, {"order1", Type::kLong}, {"range", Type::kText}}, {}},
      {"DAY", {{"order1", Type::kLong}, {"order2", Type::kLong}, {"sec", Type::kText, 7}, {"body", Type::kMemo}}, {}}};
  for (int month = 1; month <= 12; ++month) tables[1].rows.push_back({{Num(month), Str(std::to_string(month) + "월")}});
  for (int d = 0; d < days; ++d) {
    const int month = d / 28 + 1, day = d % 28 + 1, order1 = month * 100 + day;
    tables[2].rows.push_back({{Num(month), Num(day), Num(order1), Str("창세기 " + std::to_string(d + 1) + "장")}});
    for (int v = 1; v <= verses; ++v)
      tables[3].rows.push_back({{Num(order1), Num(v), Str(std::to_string(v)), Str(KoreanText(40, d * verses + v))}});
  }
  return tables;
}

}  // namespace jet_test
