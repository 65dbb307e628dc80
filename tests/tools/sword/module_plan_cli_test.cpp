// The plan compiler over the installed test module, run as a program: the year file it writes opens in the
// program's own day lookup and shows each day's Korean range text and plain verses; faults name their cause.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/ReadingPlanFixture.h"
#include "tools/RunPlanCompile.h"

namespace fs = std::filesystem;

namespace {

class ModulePlanCli : public ReadingPlanTest {
 protected:
  fs::path File(const std::string& name) const { return TestFiles::FsPath(m_dir.ProgramDir() + name); }

  // Runs the compiler with `env` before it; returns its exit status and keeps what it wrote to stderr.
  int Run(const std::string& args, const std::string& env = "") {
    return RunPlanCompile(args, File("stderr.log").string(), m_stderr, env);
  }

  std::string Write(const std::string& name, const std::string& text) const {
    std::ofstream(File(name), std::ios::binary) << text;
    return File(name).string();
  }

  // The first column of every row of a query on a plan file, UTF-8.
  std::vector<std::string> Query(int year, const std::string& sql) const {
    std::vector<std::string> rows;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(File(std::to_string(year) + ".dat").string().c_str(), &db, SQLITE_OPEN_READONLY, nullptr) ==
        SQLITE_OK)
      sqlite3_exec(
          db, sql.c_str(),
          [](void* out, int, char** values, char**) {
            static_cast<std::vector<std::string>*>(out)->push_back(values[0] ? values[0] : "NULL");
            return 0;
          },
          &rows, nullptr);
    sqlite3_close(db);
    return rows;
  }

  std::string m_stderr;
};

// A whole generated year takes the library long under the sanitizers; the generated schedules are checked
// verse by verse in sword_schedule_test.cpp, and this file goes through the same plan writer.
TEST_F(ModulePlanCli, YearFileOpensInTheDayLookup) {
  const std::string schedule =
      Write("days.txt", u8"1 1 창세기 1-3\n2 29 시편 119\n12 31 Rev 22\n3 1 Gen 1:1-3; 마 5:3\n");
  ASSERT_EQ(Run(u8"--year 2024 --module KJV --schedule " + schedule +
                u8" --year-title '{year}년 말씀 통독' --month-title '{month}월의 말씀' " + File("2024.dat").string()),
            0)
      << m_stderr;
  EXPECT_EQ(m_stderr, "");
  ASSERT_TRUE(Start(2024));

  Show(2024, 1, 1);
  EXPECT_EQ(m_day.strYearTitle, "2024년 말씀 통독");
  EXPECT_EQ(m_day.strMonthTitle, "1월의 말씀");
  EXPECT_EQ(m_day.strRange, "창세기 1-3장");
  ASSERT_EQ(m_day.VerseCount(), 31 + 25 + 24);
  EXPECT_EQ(Numbers().front(), "1");
  EXPECT_EQ(Bodies().front(), "In the beginning God created the heaven and the earth.");
  EXPECT_EQ(Numbers()[31], "1");  // chapter 2 starts again at verse 1
  EXPECT_EQ(Bodies()[31], "Thus the heavens and the earth were finished, and all the host of them.");

  Show(2024, 1, 2);
  EXPECT_EQ(Bodies(), std::vector<std::string>{""});

  // Psalm 119 carries a footnote and Strong's numbers in the module; the reader sees the verse alone.
  Show(2024, 2, 29);
  EXPECT_EQ(m_day.strRange, "시편 119장");
  EXPECT_EQ(m_day.VerseCount(), 176);
  EXPECT_EQ(Bodies().front(), "Blessed are the undefiled in the way, who walk in the law of the LORD.");

  Show(2024, 3, 1);
  EXPECT_EQ(m_day.strRange, "창세기 1:1-3, 마태복음 5:3");
  EXPECT_EQ(Numbers(), (std::vector<std::string>{"1", "2", "3", "3"}));
  EXPECT_EQ(Bodies().back(), "Blessed are the poor in spirit: for theirs is the kingdom of heaven.");

  Show(2024, 12, 31);
  EXPECT_EQ(m_day.strMonthTitle, "12월의 말씀");
  EXPECT_EQ(m_day.strRange, "요한계시록 22장");
  EXPECT_EQ(Numbers().back(), "21");
  EXPECT_EQ(Bodies().back(), "The grace of our Lord Jesus Christ be with you all. Amen.");

  EXPECT_EQ(Query(2024, "select count(*) from DAY"), std::vector<std::string>{std::to_string(80 + 176 + 4 + 21)});
  EXPECT_EQ(
      Query(2024,
            "select count(*) from DAY where body like '%<%' or body glob '*strong:[HG][0-9]*' or body like '%  %' "
            "or body <> trim(body) or body = ''"),
      std::vector<std::string>{"0"});
}

TEST_F(ModulePlanCli, ScheduleFileBuildsItsDaysOnly) {
  const std::string schedule = Write("days.txt", u8"1 2 요 3:16-17; Ps 117\n2 29 Jude 1:24-25\n");
  ASSERT_EQ(Run("--year 2026 --module engKJV2006eb --schedule " + schedule + " " + File("2026.dat").string()), 0)
      << m_stderr;
  EXPECT_EQ(Query(2026, "select ytitle from YEAR"), std::vector<std::string>{u8"2026년 성경 읽기"});
  EXPECT_EQ(Query(2026, "select mtitle from MONTH where month=2"), std::vector<std::string>{u8"2월"});
  // 2026 has no 29 February: that line is left out.
  EXPECT_EQ(Query(2026, "select range from DAYRANGE"), std::vector<std::string>{u8"요한복음 3:16-17, 시편 117장"});
  EXPECT_EQ(Query(2026, "select sec from DAY order by order2"), (std::vector<std::string>{"16", "17", "1", "2"}));
}

struct Fault {
  const char* name;
  const char* args;
  const char* env;
  const char* message;
};

TEST_F(ModulePlanCli, FaultsNameTheirCauseAndLeaveNoFile) {
  const std::string schedule = Write("days.txt", "1 1 Gen 1\n\n1 2 Gen 51\n");
  // A module of another kind, in a module folder of its own.
  fs::create_directories(File("mods/mods.d"));
  Write("mods/mods.d/notbible.conf", "[NotBible]\nDataPath=./modules/lexdict/rawld/notbible/notbible\nModDrv=RawLD\n");
  const std::vector<Fault> faults = {
      {"unknown module", "--module NoSuchBible --generate bible", "", "no SWORD module named NoSuchBible"},
      {"not a Bible", "--module NotBible --generate bible", "SWORD_PATH=mods", "NotBible is not a Bible text"},
      {"missing reference", "--module KJV --schedule days.txt", "", "days.txt:3: \"Gen 51\""},
      {"unknown kind", "--module KJV --generate psalms", "", "--generate takes bible or parallel"},
      {"two schedules", "--module KJV --generate bible --schedule days.txt", "", "usage:"},
      {"no module", "--generate bible", "", "usage:"},
      {"title not UTF-8", "--module KJV --generate bible --year-title '\xFF'", "", "--year-title: bad UTF-8"},
  };
  for (const Fault& f : faults) {
    const std::string env = std::string("cd ") + m_dir.ProgramDir() + " && " + f.env;
    EXPECT_NE(Run(std::string("--year 2026 ") + f.args + " 2026.dat", env), 0) << f.name;
    EXPECT_NE(m_stderr.find(f.message), std::string::npos) << f.name << ": " << m_stderr;
    EXPECT_FALSE(fs::exists(File("2026.dat"))) << f.name;
  }
}

}  // namespace
