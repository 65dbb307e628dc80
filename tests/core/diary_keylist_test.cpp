#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "diary/DiaryKeyList.h"

namespace {
std::string KeyOf(int n) {
  char text[16];
  std::snprintf(text, sizeof text, "%08d", 20000000 + n);
  return text;
}
}  // namespace

TEST(DiaryKeyList, KeepsEveryKeyBeyondItsFirstCapacity) {
  CDiaryKeyList keys(1000);
  for (int n = 0; n < 1101; ++n) EXPECT_TRUE(keys.Add(KeyOf(n)));
  EXPECT_EQ(keys.GetCount(), 1101);
  for (int n = 0; n < 1101; ++n) EXPECT_TRUE(keys.Find(KeyOf(n))) << n;
  EXPECT_FALSE(keys.Find(KeyOf(1101)));
}

TEST(DiaryKeyList, FindsOnlyExactlyEqualKeys) {
  CDiaryKeyList keys(1000);
  // The unused slots hold empty texts; they must never answer a lookup.
  EXPECT_FALSE(keys.Find(""));
  EXPECT_FALSE(keys.Find("20000101"));

  keys.Add("20000101");
  keys.Add("abcdefgh");
  EXPECT_TRUE(keys.Find("20000101"));
  EXPECT_FALSE(keys.Find("2000010"));
  EXPECT_FALSE(keys.Find("20000101 "));
  EXPECT_FALSE(keys.Find("20000102"));
  EXPECT_FALSE(keys.Find(std::string("20000101\0", 9)));
  EXPECT_FALSE(keys.Find("ABCDEFGH"));
  EXPECT_FALSE(keys.Find(""));
}

TEST(DiaryKeyList, DuplicatesAreKeptAndRemovalTakesEveryCopy) {
  CDiaryKeyList keys(2);
  keys.Add("20000101");
  keys.Add("20000102");
  keys.Add("20000101");
  EXPECT_EQ(keys.GetCount(), 3);

  EXPECT_TRUE(keys.Remove("20000101"));
  EXPECT_EQ(keys.GetCount(), 1);
  EXPECT_FALSE(keys.Find("20000101"));
  EXPECT_TRUE(keys.Find("20000102"));
  EXPECT_FALSE(keys.Remove("20000101"));
  EXPECT_FALSE(keys.Find(""));
  // Freed slots take new keys.
  keys.Add("20000103");
  EXPECT_EQ(keys.GetCount(), 2);
  EXPECT_TRUE(keys.Find("20000103"));
  EXPECT_TRUE(keys.Find("20000102"));
}
