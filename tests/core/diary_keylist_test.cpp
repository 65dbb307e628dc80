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

TEST(DiaryKeyList, GrowsByOneHundredAtTheThousandAndFirstKeyAndKeepsEveryKey) {
  CDiaryKeyList keys(1000);
  EXPECT_EQ(keys.GetCapacity(), 1000);
  for (int n = 0; n < 1000; ++n) EXPECT_TRUE(keys.Add(KeyOf(n)));
  EXPECT_EQ(keys.GetCapacity(), 1000);
  EXPECT_TRUE(keys.Add(KeyOf(1000)));
  EXPECT_EQ(keys.GetCount(), 1001);
  EXPECT_EQ(keys.GetCapacity(), 1100);
  for (int n = 0; n <= 1000; ++n) EXPECT_TRUE(keys.Find(KeyOf(n))) << n;
  EXPECT_FALSE(keys.Find(KeyOf(1001)));

  for (int n = 1001; n < 1101; ++n) keys.Add(KeyOf(n));
  EXPECT_EQ(keys.GetCapacity(), 1200);
  EXPECT_TRUE(keys.Find(KeyOf(0)));
  EXPECT_TRUE(keys.Find(KeyOf(1100)));
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
  EXPECT_EQ(keys.GetCapacity(), 102);

  EXPECT_TRUE(keys.Remove("20000101"));
  EXPECT_EQ(keys.GetCount(), 1);
  EXPECT_FALSE(keys.Find("20000101"));
  EXPECT_TRUE(keys.Find("20000102"));
  EXPECT_FALSE(keys.Remove("20000101"));
  EXPECT_FALSE(keys.Find(""));
  // Capacity never shrinks; freed slots are reused.
  EXPECT_EQ(keys.GetCapacity(), 102);
  keys.Add("20000103");
  EXPECT_EQ(keys.GetCount(), 2);
  EXPECT_TRUE(keys.Find("20000103"));
  EXPECT_TRUE(keys.Find("20000102"));
}
