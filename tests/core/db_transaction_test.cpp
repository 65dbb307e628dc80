#include <gtest/gtest.h>

#include "DbTestData.h"
#include "TestFiles.h"
#include "db/SqliteConnection.h"
#include "db/SqliteTransaction.h"

namespace {

// A database with one table T(v), and a table whose rows must name a row of T: the check is deferred
// to COMMIT, which is how a commit can fail while the transaction stays open.
class Transaction : public ::testing::Test {
 protected:
  void SetUp() override {
    m_db.Create(m_files.Path("t.db"));
    Connection().Execute("PRAGMA foreign_keys = ON");
    Connection().Execute("CREATE TABLE T (v INTEGER PRIMARY KEY)");
    Connection().Execute("CREATE TABLE R (v INTEGER REFERENCES T(v) DEFERRABLE INITIALLY DEFERRED)");
  }
  SqliteConnection& Connection() { return m_db.Connection(); }
  int RowsOf(const std::string& table) {
    auto stmt = Connection().Prepare("SELECT count(*) FROM " + table);
    stmt.Step();
    return sqlite3_column_int(stmt.get(), 0);
  }

  TestFiles m_files;
  CDaoDatabase m_db;
};

TEST_F(Transaction, CommittedWritesStayAndUncommittedOnesAreUndone) {
  {
    SqliteTransaction transaction(Connection());
    Connection().Execute("INSERT INTO T VALUES (1)");
    Connection().Execute("INSERT INTO T VALUES (2)");
    transaction.Commit();
  }
  EXPECT_EQ(RowsOf("T"), 2);
  {
    SqliteTransaction transaction(Connection());
    Connection().Execute("INSERT INTO T VALUES (3)");
  }
  EXPECT_EQ(RowsOf("T"), 2);
  EXPECT_TRUE(sqlite3_get_autocommit(Connection().Handle()));
}

TEST_F(Transaction, AnExceptionPartWayLeavesNoneOfTheWrites) {
  EXPECT_THROW(
      {
        SqliteTransaction transaction(Connection());
        Connection().Execute("INSERT INTO T VALUES (1)");
        Connection().Execute("INSERT INTO T VALUES (1)");  // a second row with the same key fails
        transaction.Commit();
      },
      CDaoException);
  EXPECT_EQ(RowsOf("T"), 0);
  EXPECT_TRUE(sqlite3_get_autocommit(Connection().Handle()));
}

TEST_F(Transaction, AFailedCommitIsReportedAndTheDestructorRollsBackWithoutThrowing) {
  {
    SqliteTransaction transaction(Connection());
    Connection().Execute("INSERT INTO T VALUES (1)");
    Connection().Execute("INSERT INTO R VALUES (7)");  // names no row of T
    EXPECT_THROW(transaction.Commit(), CDaoException);
    EXPECT_FALSE(sqlite3_get_autocommit(Connection().Handle()));
  }
  EXPECT_EQ(RowsOf("T"), 0);
  EXPECT_EQ(RowsOf("R"), 0);
  // The connection takes a new transaction afterwards.
  SqliteTransaction next(Connection());
  Connection().Execute("INSERT INTO T VALUES (2)");
  next.Commit();
  EXPECT_EQ(RowsOf("T"), 1);
}

TEST_F(Transaction, ABeginThatFailsLeavesTheTransactionAlreadyOpenAlone) {
  SqliteTransaction outer(Connection());
  Connection().Execute("INSERT INTO T VALUES (1)");
  // SQLite does not nest transactions: the second BEGIN fails, and must not undo the first one's work.
  EXPECT_THROW(SqliteTransaction inner(Connection()), CDaoException);
  outer.Commit();
  EXPECT_EQ(RowsOf("T"), 1);
}

}  // namespace
