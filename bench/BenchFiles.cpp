#include "BenchFiles.h"

#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <unistd.h>

#include "PlanSource.h"
#include "PlanWriter.h"
#include "diary/DiaryStore.h"

namespace fs = std::filesystem;

namespace {
std::string NewFolder(const char* name) {
  fs::path dir = fs::temp_directory_path() / (std::string("vesperal-bench-") + name + "-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir.string() + "/";
}

// A verse of about 120 bytes in code page 949: Korean text of the length of a typical verse.
std::string VerseText(int day, int verse) {
  return u8"저녁 빛 아래 조용히 말씀을 묵상하며 하루를 돌아봅니다. " + std::to_string(day) + u8"일 " +
         std::to_string(verse) + u8"절의 본문입니다.";
}
}  // namespace

std::string MakePlanFolder(int firstYear, int lastYear, int versesPerDay) {
  PlanSource plan;
  plan.yearTitle = u8"{year}년 저녁 읽기 (벤치마크)";
  for (int m = 1; m <= 12; ++m) {
    plan.months.push_back({m, u8"달 제목 " + std::to_string(m), 0});
    for (int d = 1; d <= DaysInMonth(m, 2000); ++d) {
      PlanDay day;
      day.month = m;
      day.day = d;
      day.range = u8"본문 " + std::to_string(m) + ":" + std::to_string(d);
      for (int v = 1; v <= versesPerDay; ++v) day.verses.push_back({std::to_string(v), VerseText(d, v), 0});
      plan.days.push_back(std::move(day));
    }
  }
  std::string dir = NewFolder("plan");
  for (int y = firstYear; y <= lastYear; ++y) WritePlanFile(plan, y, dir + std::to_string(y) + ".dat");
  return dir;
}

std::string MakeDiaryFolder(int entries, const std::string& needleUtf8, int moreBytes) {
  static int made = 0;  // each diary in a folder of its own
  std::string dir = NewFolder(("diary" + std::to_string(++made)).c_str());
  {
    CDiaryStore store;
    if (!store.OpenDiaryDb(dir)) throw std::runtime_error("no diary in " + dir);
    store.Release();
  }
  // One transaction for the bulk fill; the program itself writes entry by entry.
  sqlite3* db = nullptr;
  if (sqlite3_open((dir + "memo.mdb").c_str(), &db) != SQLITE_OK) throw std::runtime_error("open memo.mdb");
  sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
  sqlite3_stmt* insert = nullptr;
  sqlite3_prepare_v2(db, "INSERT INTO VESPERAL(keydate, memo1, memo2, memo3) VALUES(?,?,?,?)", -1, &insert, nullptr);
  for (int i = 0; i < entries; ++i) {
    char key[16];
    std::snprintf(key, sizeof key, "%04d%02d%02d", 1990 + i / 372, i / 31 % 12 + 1, i % 31 + 1);
    std::string title = u8"오늘의 묵상 " + std::to_string(i);
    std::string meditation = u8"말씀을 읽고 마음에 새긴 것을 적어 둡니다. 하루의 일을 돌아보며 " +
                             std::string(i % 10 == 0 ? needleUtf8 : u8"평안") + u8"을 구합니다.";
    while (static_cast<int>(meditation.size()) < moreBytes)
      meditation += u8" 감사와 간구로 하루를 맡깁니다 " + std::to_string(i);
    std::string prayer = u8"주께서 오늘도 지켜 주시기를 기도합니다.";
    sqlite3_bind_text(insert, 1, key, -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(insert, 2, title.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(insert, 3, meditation.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(insert, 4, prayer.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_step(insert);
    sqlite3_reset(insert);
  }
  sqlite3_finalize(insert);
  sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
  sqlite3_close(db);
  return dir;
}
