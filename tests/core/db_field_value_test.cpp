#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "db/FieldValue.h"

namespace {

using namespace variant;

FieldValue Tagged(uint16_t vt) {
  FieldValue value;
  value.vt = vt;
  return value;
}

TEST(FieldValueToText, ValuesOfTheSimpleTags) {
  EXPECT_EQ(FieldValueToText(FieldValue::Null()), "");
  EXPECT_EQ(FieldValueToText(Tagged(VT_EMPTY)), "");
  EXPECT_EQ(FieldValueToText(FieldValue::Text("20000305")), "20000305");
  EXPECT_EQ(FieldValueToText(FieldValue::Text(std::string("ab\0cd", 5))), "ab");

  FieldValue i2 = Tagged(VT_I2);
  i2.iVal = -5;
  EXPECT_EQ(FieldValueToText(i2), "-5");
  FieldValue i4 = Tagged(VT_I4);
  i4.lVal = 2000;
  EXPECT_EQ(FieldValueToText(i4), "2000");
  i4.lVal = INT32_MIN;
  EXPECT_EQ(FieldValueToText(i4), "-2147483648");

  FieldValue r4 = Tagged(VT_R4);
  r4.fltVal = 1.5f;
  EXPECT_EQ(FieldValueToText(r4), "1.500000e+00");
  FieldValue r8 = Tagged(VT_R8);
  r8.dblVal = -1234.5;
  EXPECT_EQ(FieldValueToText(r8), "-1.234500e+03");

  FieldValue ui1 = Tagged(VT_UI1);
  ui1.bVal = 10;
  EXPECT_EQ(FieldValueToText(ui1), "0x0A");
  ui1.bVal = 255;
  EXPECT_EQ(FieldValueToText(ui1), "0xFF");
}

TEST(FieldValueToText, BooleansReturnAtOnce) {
  FieldValue flag = Tagged(VT_BOOL);
  flag.iVal = -1;
  EXPECT_EQ(FieldValueToText(flag), "TRUE");
  flag.iVal = 0;
  EXPECT_EQ(FieldValueToText(flag), "FALSE");
  flag.iVal = 7;
  EXPECT_EQ(FieldValueToText(flag), "TRUE");
}

TEST(FieldValueToText, ByteArraysOfAnyLength) {
  FieldValue bytes = Tagged(VT_ARRAY | VT_UI1);
  bytes.bytes = std::string("abc\0d", 5);
  EXPECT_EQ(FieldValueToText(bytes), "abc");
  bytes.bytes = "abc";
  EXPECT_EQ(FieldValueToText(bytes), "abc");
  bytes.bytes.clear();
  EXPECT_EQ(FieldValueToText(bytes), "");
  // Far beyond the 20,240 bytes a fixed work area would hold.
  bytes.bytes = std::string(50000, 'x') + "end";
  EXPECT_EQ(FieldValueToText(bytes), std::string(50000, 'x') + "end");
  // Conversions do not share state: one result is not disturbed by the next.
  FieldValue other = Tagged(VT_ARRAY | VT_UI1);
  other.bytes = "zz";
  const std::string first = FieldValueToText(bytes);
  EXPECT_EQ(FieldValueToText(other), "zz");
  EXPECT_EQ(first.size(), 50003u);
}

TEST(FieldValueToText, AValueHandedOverGivesTheSameTextAsAKeptOne) {
  FieldValue text = FieldValue::Text(std::string("before\0after", 12));
  FieldValue bytes = Tagged(VT_ARRAY | VT_UI1);
  bytes.bytes = std::string("ab\0c", 4);
  FieldValue number = Tagged(VT_I4);
  number.lVal = -12;
  FieldValue byRefText = Tagged(VT_BYREF | VT_BSTR);
  byRefText.bytes = "ignored";
  for (const FieldValue& value : {text, bytes, number, FieldValue::Null(), byRefText, FieldValue::Text("x")}) {
    FieldValue copy = value;
    EXPECT_EQ(FieldValueToText(std::move(copy)), FieldValueToText(value)) << value.vt;
  }
}

TEST(FieldValueToText, ByReferenceBytesReadTheBytes) {
  FieldValue bytes = Tagged(VT_BYREF | VT_UI1);
  bytes.bytes = std::string("hi\0x", 4);
  EXPECT_EQ(FieldValueToText(bytes), "hi");
  bytes.vt = VT_BYREF | VT_ARRAY | VT_UI1;
  EXPECT_EQ(FieldValueToText(bytes), "hi");
}

TEST(FieldValueToText, NamesOfOtherTagsAndTheFlagStep) {
  EXPECT_EQ(FieldValueToText(Tagged(VT_DISPATCH)), "VT_DISPATCH");
  EXPECT_EQ(FieldValueToText(Tagged(VT_I1)), "VT_I1");
  EXPECT_EQ(FieldValueToText(Tagged(VT_LPWSTR)), "VT_LPWSTR");
  EXPECT_EQ(FieldValueToText(Tagged(VT_CLSID)), "VT_CLSID");
  EXPECT_EQ(FieldValueToText(Tagged(14)), "Fish");
  EXPECT_EQ(FieldValueToText(Tagged(15)), "Fish");
  EXPECT_EQ(FieldValueToText(Tagged(32)), "Fish");
  EXPECT_EQ(FieldValueToText(Tagged(73)), "Fish");
  EXPECT_EQ(FieldValueToText(Tagged(0x1003)), "Fish");  // another flag is not cleared

  EXPECT_EQ(FieldValueToText(Tagged(VT_BYREF | VT_I4)), "FishPointer to VT_I4");
  EXPECT_EQ(FieldValueToText(Tagged(VT_ARRAY | VT_BSTR)), "FishVT_BSTR");
  EXPECT_EQ(FieldValueToText(Tagged(VT_ARRAY | VT_BOOL)), "FishVT_BOOL");
  EXPECT_EQ(FieldValueToText(Tagged(VT_BYREF | 14)), "FishPointer to ");
  EXPECT_EQ(FieldValueToText(Tagged(VT_BYREF | VT_EMPTY)), "FishPointer to VT_EMPTY");
  EXPECT_EQ(FieldValueToText(Tagged(VT_ARRAY | VT_BYREF | VT_BLOB)), "FishPointer to VT_BLOB");
  EXPECT_EQ(FieldValueToText(Tagged(VT_ARRAY | 99)), "Fish");
}

TEST(FieldValueToText, CurrencyAsADecimalAmount) {
  FieldValue money = Tagged(VT_CY);
  money.cyVal = 12345678;
  EXPECT_EQ(FieldValueToText(money), "1234.5678");
  money.cyVal = 15000;
  EXPECT_EQ(FieldValueToText(money), "1.5");
  money.cyVal = -20000;
  EXPECT_EQ(FieldValueToText(money), "-2");
  money.cyVal = -1;
  EXPECT_EQ(FieldValueToText(money), "-0.0001");
  money.cyVal = 0;
  EXPECT_EQ(FieldValueToText(money), "0");
  money.cyVal = INT64_MIN;
  EXPECT_EQ(FieldValueToText(money), "-922337203685477.5808");
  money.cyVal = 12345670000000;
  EXPECT_EQ(FieldValueToText(money), "1234567000");  // no grouping
}

TEST(FieldValueToText, DatesShowYearAndMonthTwice) {
  FieldValue date = Tagged(VT_DATE);
  date.dblVal = 36590.5;  // 5 March 2000, noon
  EXPECT_EQ(FieldValueToText(date), "2000. 03. 03");
  date.dblVal = 0;  // 30 December 1899
  EXPECT_EQ(FieldValueToText(date), "1899. 12. 12");
  date.dblVal = -1.25;  // 29 December 1899, 06:00: the whole part is the day
  EXPECT_EQ(FieldValueToText(date), "1899. 12. 12");
  date.dblVal = 2;  // 1 January 1900
  EXPECT_EQ(FieldValueToText(date), "1900. 01. 01");
  date.dblVal = 46118;  // 6 April 2026
  EXPECT_EQ(FieldValueToText(date), "2026. 04. 04");
  date.dblVal = 1e300;  // no such date
  EXPECT_EQ(FieldValueToText(date), "");
}

}  // namespace
