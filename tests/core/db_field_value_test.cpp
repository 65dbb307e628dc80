#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "db/FieldValue.h"

// The value types that reading a database gives: null, text, bytes, the integer widths, currency and
// double. Other tags come only from outside the layer, and the fuzzer feeds those.
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

  FieldValue r8 = Tagged(VT_R8);
  r8.dblVal = -1234.5;
  EXPECT_EQ(FieldValueToText(r8), "-1.234500e+03");
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
  for (const FieldValue& value : {text, bytes, number, FieldValue::Null(), FieldValue::Text("x")}) {
    FieldValue copy = value;
    EXPECT_EQ(FieldValueToText(std::move(copy)), FieldValueToText(value)) << value.vt;
  }
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

}  // namespace
