#include <gtest/gtest.h>

#include "DbTestData.h"
#include "TestFiles.h"

namespace {

using dbtest::Contains;
using dbtest::ErrorOf;
using dbtest::Texts;

class DiaryRecordset : public ::testing::Test {
 protected:
  void SetUp() override {
    m_path = m_files.Path("memo.mdb");
    dbtest::MakeDiary(m_path);
    m_db.Open(m_path);
  }
  // What another connection reads: what is on disk.
  Texts Stored(const std::string& field) {
    CDaoDatabase other;
    other.Open(m_path);
    return dbtest::Column(other, "SELECT * FROM VESPERAL ORDER BY keydate", field);
  }

  TestFiles m_files;
  std::string m_path;
  CDaoDatabase m_db;
};

TEST_F(DiaryRecordset, WriteReadEditAndDeleteAnEntryAsTheDiaryDoes) {
  CDaoRecordset set(&m_db);
  set.Open(dbOpenDynaset, "select * from VESPERAL where keydate='20260307'");
  ASSERT_TRUE(set.IsEOF());
  set.AddNew();
  set.SetFieldValue("keydate", "20260307");
  set.SetFieldValue("memo1", "제목");
  set.SetFieldValue("MEMO2", "묵상");  // names without regard to case
  set.SetFieldValue("memo3", "기도");
  set.Update();
  EXPECT_TRUE(set.IsEOF()) << "the new row joins the end; the position stays at the end";
  set.Close();
  EXPECT_EQ(Stored("memo1"), Texts{"제목"});

  set.Open(dbOpenDynaset, "select * from VESPERAL where keydate='20260307'");
  ASSERT_FALSE(set.IsEOF());
  EXPECT_EQ(set.GetFieldValue("memo2").vt, variant::VT_BSTR);
  EXPECT_EQ(FieldValueToText(set.GetFieldValue("memo2")), "묵상");
  set.Edit();
  set.SetFieldValue("memo2", "x");
  set.SetFieldValue("memo2", "새 묵상");  // the last value set counts
  set.Update();
  EXPECT_EQ(FieldValueToText(set.GetFieldValue("memo2")), "새 묵상") << "the row shows what was written";
  EXPECT_EQ(FieldValueToText(set.GetFieldValue("memo1")), "제목");
  set.Close();
  EXPECT_EQ(Stored("memo2"), Texts{"새 묵상"});

  set.Open(dbOpenDynaset, "Select * from VESPERAL WHERE keydate='20260307' ORDER BY keydate");
  set.Delete();
  EXPECT_TRUE(Contains(ErrorOf([&] { set.GetFieldValue("memo1"); }), "Record is deleted."));
  EXPECT_TRUE(Contains(ErrorOf([&] { set.Edit(); }), "Record is deleted."));
  set.MoveNext();
  EXPECT_TRUE(set.IsEOF());
  set.Close();
  EXPECT_TRUE(Stored("keydate").empty());
}

TEST_F(DiaryRecordset, RowsComeInOrderAndMisuseIsAnEngineError) {
  for (const char* key : {"20260309", "20260301", "20260305"}) dbtest::AddEntry(m_db, key, "t", "m", "p");
  EXPECT_EQ(dbtest::Column(m_db, "SELECT keydate FROM VESPERAL ORDER BY keydate", "keydate"),
            (Texts{"20260301", "20260305", "20260309"}));
  EXPECT_EQ(dbtest::Column(m_db, "SELECT keydate FROM VESPERAL ORDER BY keydate DESC", "keydate"),
            (Texts{"20260309", "20260305", "20260301"}));

  CDaoRecordset set(&m_db);
  set.Open(dbOpenDynaset, "SELECT keydate FROM VESPERAL ORDER BY keydate");
  EXPECT_TRUE(Contains(ErrorOf([&] { set.GetFieldValue("memo1"); }), "no field 'memo1'"));
  EXPECT_TRUE(Contains(ErrorOf([&] { set.Update(); }), "Update or CancelUpdate without AddNew or Edit."));
  EXPECT_TRUE(Contains(ErrorOf([&] { set.SetFieldValue("keydate", "1"); }), "without AddNew or Edit"));
  // Opening again while open starts afresh (an earlier error may have left it open).
  set.Open(dbOpenDynaset, "SELECT keydate FROM VESPERAL WHERE keydate='20260305'");
  EXPECT_EQ(FieldValueToText(set.GetFieldValue("KeyDate")), "20260305");
  set.MoveNext();
  EXPECT_TRUE(Contains(ErrorOf([&] { set.GetFieldValue("keydate"); }), "No current record."));
  EXPECT_TRUE(Contains(ErrorOf([&] { set.Edit(); }), "No current record."));
  EXPECT_TRUE(Contains(ErrorOf([&] { set.Delete(); }), "No current record."));
  EXPECT_TRUE(Contains(ErrorOf([&] { set.MoveNext(); }), "No current record."));
  set.Close();
  EXPECT_TRUE(set.IsEOF());
  EXPECT_TRUE(Contains(ErrorOf([&] { set.GetFieldValue("keydate"); }), "not open"));
  EXPECT_TRUE(Contains(ErrorOf([&] { set.Open(4, "SELECT * FROM VESPERAL"); }), "dynaset"));

  // Edit that is left by moving on is dropped.
  set.Open(dbOpenDynaset, "SELECT * FROM VESPERAL ORDER BY keydate");
  set.Edit();
  set.SetFieldValue("memo1", "dropped");
  set.MoveNext();
  EXPECT_TRUE(Contains(ErrorOf([&] { set.Update(); }), "without AddNew or Edit"));
  set.Close();
  EXPECT_EQ(Stored("memo1"), (Texts{"t", "t", "t"}));
}

TEST_F(DiaryRecordset, FieldNamesAskedRowAfterRowFollowEachOpening) {
  for (const char* key : {"20260301", "20260302"}) dbtest::AddEntry(m_db, key, key + 4, "m", "p");
  CDaoRecordset set(&m_db);
  // The same names on a second statement whose columns stand elsewhere.
  for (const char* sql : {"SELECT keydate, memo1 FROM VESPERAL ORDER BY keydate",
                          "SELECT memo1, memo3, keydate FROM VESPERAL ORDER BY keydate"}) {
    SCOPED_TRACE(sql);
    set.Open(dbOpenDynaset, sql);
    Texts keys, titles;
    while (!set.IsEOF()) {
      keys.push_back(FieldValueToText(set.GetFieldValue("keydate")));
      titles.push_back(FieldValueToText(set.GetFieldValue("MEMO1")));
      EXPECT_EQ(FieldValueToText(set.GetFieldValue("VESPERAL.memo1")), titles.back());
      EXPECT_TRUE(Contains(ErrorOf([&] { set.GetFieldValue("memo2"); }), "no field 'memo2'"));
      set.MoveNext();
    }
    EXPECT_EQ(keys, (Texts{"20260301", "20260302"}));
    EXPECT_EQ(titles, (Texts{"0301", "0302"}));
  }
  set.Close();
}

TEST_F(DiaryRecordset, FieldSizeAndEmptyTextsAreRefusedAsJetDid) {
  CDaoRecordset set(&m_db);
  set.Open(dbOpenDynaset, "SELECT * FROM VESPERAL");
  set.AddNew();
  set.SetFieldValue("keydate", "202603070");  // nine characters in a field of eight
  set.SetFieldValue("memo1", "t");
  EXPECT_TRUE(Contains(ErrorOf([&] { set.Update(); }),
                       "The field is too small to accept the amount of data you attempted to add."));
  set.SetFieldValue("keydate", "가나다라마바사아");  // eight characters, sixteen bytes: fits
  set.SetFieldValue("memo1", "");
  EXPECT_EQ(ErrorOf([&] { set.Update(); }), "Field 'VESPERAL.memo1' cannot be a zero-length string.");
  set.SetFieldValue("memo1", "t");
  set.Update();  // memo2 and memo3 stay Null, which is allowed
  set.Close();

  set.Open(dbOpenDynaset, "SELECT * FROM VESPERAL");
  EXPECT_EQ(FieldValueToText(set.GetFieldValue("keydate")), "가나다라마바사아");
  EXPECT_EQ(set.GetFieldValue("memo2").vt, variant::VT_NULL);
  set.Edit();
  set.SetFieldValue("keydate", "");
  EXPECT_EQ(ErrorOf([&] { set.Update(); }), "Field 'VESPERAL.keydate' cannot be a zero-length string.");
  set.Close();
  EXPECT_EQ(Stored("keydate"), Texts{"가나다라마바사아"});
  EXPECT_EQ(Stored("memo1"), Texts{"t"});
}

TEST_F(DiaryRecordset, TextOutsideCodePage949ReadsBackWhole) {
  dbtest::RawExec(m_path, "INSERT INTO VESPERAL VALUES ('20260101', 'smile \xF0\x9F\x98\x80 \xE3\x90\x80', 'm', 'p')");
  EXPECT_EQ(Stored("memo1"), Texts{"smile \xF0\x9F\x98\x80 \xE3\x90\x80"});
}

class PlanRecordset : public ::testing::Test {
 protected:
  void SetUp() override {
    dbtest::MakePlan(m_files.Path("2026.dat"));
    m_db.Open(m_files.Path("2026.dat"));
  }
  TestFiles m_files;
  CDaoDatabase m_db;
};

TEST_F(PlanRecordset, RowsOfSeveralTablesCannotBeChanged) {
  CDaoRecordset set(&m_db);
  set.Open(dbOpenDynaset, "select mtitle, range from MONTH, DAYRANGE where MONTH.month=DAYRANGE.month");
  ASSERT_FALSE(set.IsEOF());
  for (auto change : {+[](CDaoRecordset& s) { s.AddNew(); }, +[](CDaoRecordset& s) { s.Edit(); },
                      +[](CDaoRecordset& s) { s.Delete(); }}) {
    EXPECT_TRUE(Contains(ErrorOf([&] { change(set); }), "several tables cannot be changed"));
  }
  set.Close();
  EXPECT_EQ(dbtest::Column(m_db, "select * from DAYRANGE", "range").size(), 2u);
}

TEST_F(PlanRecordset, ValuesArriveWithTheirTypes) {
  dbtest::RawExec(
      m_files.Path("2026.dat"),
      "CREATE TABLE EXTRA (big INTEGER, ratio REAL, data BLOB, huge INTEGER, wide SMALLINT, small SMALLINT);"
      "INSERT INTO EXTRA VALUES (12345678901, 0.5, x'616200', 9223372036854775807, 70000, 3);");
  CDaoRecordset set(&m_db);
  set.Open(dbOpenDynaset, "select * from DAYRANGE where day=7");
  EXPECT_EQ(set.GetFieldValue("day").vt, variant::VT_I4);
  EXPECT_EQ(set.GetFieldValue("day").lVal, 7);
  set.Open(dbOpenDynaset, "select * from EXTRA");
  EXPECT_EQ(set.GetFieldValue("big").vt, variant::VT_CY);  // beyond 32 bits, not wrapped
  EXPECT_EQ(FieldValueToText(set.GetFieldValue("big")), "12345678901");
  EXPECT_EQ(set.GetFieldValue("huge").vt, variant::VT_R8);
  EXPECT_EQ(set.GetFieldValue("small").vt, variant::VT_I2);  // declared SMALLINT
  EXPECT_EQ(set.GetFieldValue("wide").vt, variant::VT_I4);   // too wide for 16 bits
  EXPECT_EQ(FieldValueToText(set.GetFieldValue("ratio")), "5.000000e-01");
  const FieldValue data = set.GetFieldValue("data");
  EXPECT_EQ(data.vt, variant::VT_ARRAY | variant::VT_UI1);
  EXPECT_EQ(data.bytes, std::string("ab\0", 3));
  EXPECT_EQ(FieldValueToText(data), "ab");
}

TEST_F(PlanRecordset, FieldsOfAJoinByQualifiedName) {
  CDaoRecordset set(&m_db);
  set.Open(dbOpenDynaset, "select * from MONTH, DAYRANGE where MONTH.month=DAYRANGE.month and DAYRANGE.day=8");
  EXPECT_EQ(FieldValueToText(set.GetFieldValue("DAYRANGE.month")), "3");
  EXPECT_EQ(FieldValueToText(set.GetFieldValue("mtitle")), "삼월");
  EXPECT_TRUE(Contains(ErrorOf([&] { set.GetFieldValue("month"); }), "'month' is ambiguous"));
  set.Open(dbOpenDynaset, "select DAY.order1, body from DAYRANGE, DAY where DAYRANGE.order1=DAY.order1 and day=8");
  EXPECT_EQ(FieldValueToText(set.GetFieldValue("order1")), "67");
  EXPECT_EQ(FieldValueToText(set.GetFieldValue("DAY.order1")), "67");
}

}  // namespace
