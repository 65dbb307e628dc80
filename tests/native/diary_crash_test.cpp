// The diary file must stay sound, and keep every entry the program saw written, when the process dies
// at any moment. A child process writes entries and is killed at random; the parent checks the file.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <random>
#include <set>
#include <string>

#include "core/TestFiles.h"
#include "diary/DiaryStore.h"

namespace {

constexpr int rounds = 10;
constexpr int keysPerRound = 100000;

std::string KeyFor(int round, int n) {
  char text[16];
  std::snprintf(text, sizeof text, "%08d", round * keysPerRound + n);
  return text;
}

struct Texts {
  std::string title, meditation, prayer;
};

// Texts of several pages for some keys, so that a write spans more than one page of the file.
Texts TextsFor(const std::string& key) {
  const int n = std::stoi(key);
  Texts texts;
  texts.title = "제목 " + key;
  for (int line = 0; line <= n % 9; ++line) texts.meditation += "묵상의 한 줄입니다 " + key + "\r\n";
  if (n % 4 == 0) texts.meditation.append(3000 + n % 2000, 'm');
  texts.prayer = n % 5 == 0 ? "" : "기도 " + key;
  return texts;
}

[[noreturn]] void RunWriter(const std::string& programDir, int round, int reportFd) {
  try {
    CDiaryStore store;
    if (!store.OpenDiaryDb(programDir)) _exit(3);
    for (int n = 0; n < keysPerRound; ++n) {
      const std::string key = KeyFor(round, n);
      const Texts texts = TextsFor(key);
      store.WriteEntry(key, texts.title, texts.meditation, texts.prayer);
      // Every third entry is written again unchanged, so that edits are interrupted too.
      if (n % 3 == 2) store.WriteEntry(key, texts.title, texts.meditation, texts.prayer);
      const std::string line = key + "\n";
      if (write(reportFd, line.data(), line.size()) != static_cast<ssize_t>(line.size())) _exit(5);
    }
  } catch (...) {
    _exit(4);
  }
  // _exit skips the leak check and every handler the test runner installed.
  _exit(0);
}

// Reads reported keys until the deadline passes (true), or until the writer closes its end (false).
bool ReadReports(int fd, std::chrono::steady_clock::time_point deadline, std::string& received, bool stopAtFirstKey) {
  for (;;) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return true;
    pollfd watch{fd, POLLIN, 0};
    if (poll(&watch, 1, static_cast<int>(left.count())) <= 0) continue;
    char buffer[4096];
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got <= 0) return false;
    received.append(buffer, static_cast<size_t>(got));
    if (stopAtFirstKey && received.find('\n') != std::string::npos) return true;
  }
}

struct SqliteCloser {
  void operator()(sqlite3* db) const { sqlite3_close(db); }
};

// The first column of a statement's rows, run by SQLite itself on the file.
std::string RawQuery(const std::string& path, const char* sql) {
  sqlite3* raw = nullptr;
  const int opened = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE, nullptr);
  std::unique_ptr<sqlite3, SqliteCloser> db(raw);
  if (opened != SQLITE_OK) return "open failed";
  std::string result;
  auto collect = [](void* out, int, char** values, char**) {
    *static_cast<std::string*>(out) += values[0] ? values[0] : "(null)";
    return 0;
  };
  if (sqlite3_exec(db.get(), sql, collect, &result, nullptr) != SQLITE_OK) return "query failed";
  return result;
}

}  // namespace

TEST(DiaryCrash, KilledWritersLeaveASoundFileWithEveryReportedEntry) {
  TestFiles dir;
  const std::string programDir = dir.ProgramDir();
  {
    CDiaryStore creator;
    ASSERT_TRUE(creator.OpenDiaryDb(programDir));
  }

  const unsigned seed = std::random_device()();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 random(seed);
  std::set<std::string> reported;

  for (int round = 0; round < rounds; ++round) {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(fds[0]);
      RunWriter(programDir, round, fds[1]);
    }
    close(fds[1]);

    std::string received;
    bool running = true;
    // Half of the rounds let the writer get going first; the others may kill it while it opens the file.
    if (round % 2 == 0)
      running = ReadReports(fds[0], std::chrono::steady_clock::now() + std::chrono::seconds(20), received, true);
    const auto pause = std::chrono::milliseconds(std::uniform_int_distribution<int>(0, 150)(random));
    if (running) running = ReadReports(fds[0], std::chrono::steady_clock::now() + pause, received, false);
    kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ReadReports(fds[0], std::chrono::steady_clock::now() + std::chrono::seconds(5), received, false);
    close(fds[0]);
    ASSERT_TRUE(WIFSIGNALED(status) || (WIFEXITED(status) && WEXITSTATUS(status) == 0))
        << "writer of round " << round << " ended with status " << WEXITSTATUS(status);

    // Only whole lines count: a key is reported once its write has returned.
    for (size_t start = 0, end; (end = received.find('\n', start)) != std::string::npos; start = end + 1)
      reported.insert(received.substr(start, end - start));
  }
  ASSERT_FALSE(reported.empty());

  const std::string dbPath = programDir + "memo.mdb";
  EXPECT_EQ(RawQuery(dbPath, "PRAGMA integrity_check"), "ok");
  // An interrupted write never leaves a second record for a date.
  EXPECT_EQ(RawQuery(dbPath, "SELECT count(*) - count(DISTINCT keydate) FROM VESPERAL"), "0");

  CDiaryStore store;
  ASSERT_TRUE(store.OpenDiaryDb(programDir));
  EXPECT_GE(store.Keys().GetCount(), static_cast<int>(reported.size()));
  for (const std::string& key : reported) {
    SCOPED_TRACE(key);
    EXPECT_TRUE(store.Keys().Find(key));
    const Texts expected = TextsFor(key);
    DiaryEntry entry;
    store.ReadEntry(key, entry);
    ASSERT_TRUE(entry.found);
    EXPECT_EQ(entry.title, expected.title);
    EXPECT_EQ(entry.meditation, expected.meditation);
    EXPECT_EQ(entry.prayer, expected.prayer);
  }
}

// The first start builds memo.mdb; a process killed at any moment of that leaves either no diary or a
// whole one with its table, and the next start opens (or builds) it.
TEST(DiaryCrash, KilledFirstCreationLeavesNoDiaryOrAWholeOne) {
  constexpr int creations = 40;
  // How long one creation takes here, so that the kills fall before, inside and after it.
  std::chrono::microseconds span;
  {
    TestFiles probe;
    const auto start = std::chrono::steady_clock::now();
    CDiaryStore store;
    ASSERT_TRUE(store.OpenDiaryDb(probe.ProgramDir()));
    span = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
  }
  const unsigned seed = std::random_device()();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 random(seed);
  int whole = 0, none = 0, cutWhileBuilding = 0;
  for (int round = 0; round < creations; ++round) {
    TestFiles dir;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      CDiaryStore store;
      _exit(store.OpenDiaryDb(dir.ProgramDir()) ? 0 : 3);
    }
    const auto pause = std::uniform_int_distribution<long>(0, span.count() * 3 + 100)(random);
    usleep(static_cast<useconds_t>(pause));
    kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_FALSE(WIFEXITED(status) && WEXITSTATUS(status) != 0) << "round " << round;

    const std::string dbPath = dir.ProgramDir() + "memo.mdb";
    if (TestFiles::Exists(dbPath + ".new")) ++cutWhileBuilding;
    if (TestFiles::Exists(dbPath)) {
      ++whole;
      EXPECT_EQ(RawQuery(dbPath, "SELECT count(*) FROM sqlite_master WHERE name = 'VESPERAL'"), "1") << round;
      EXPECT_EQ(RawQuery(dbPath, "PRAGMA integrity_check"), "ok") << round;
    } else {
      ++none;
    }
    CDiaryStore next;
    EXPECT_TRUE(next.OpenDiaryDb(dir.ProgramDir())) << "round " << round;
    next.WriteEntry("20000101", "t", "m", "p");
    EXPECT_TRUE(next.Keys().Find("20000101"));
  }
  std::printf("killed creations: %d left a whole diary, %d none (%d cut while building it)\n", whole, none,
              cutWhileBuilding);
}
