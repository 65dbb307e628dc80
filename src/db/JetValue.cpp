#include "db/JetValue.h"

#include <cstring>

#include "db/JetLongValue.h"
#include "db/JetPages.h"
#include "db/JetRow.h"
#include "db/JetTableDef.h"
#include "db/JetText.h"

namespace jet_file {

namespace {

template <typename Float, typename Bits>
double FloatOf(Bits bits) {
  Float value;
  std::memcpy(&value, &bits, sizeof value);
  return static_cast<double>(value);
}

JetValue Whole(JetValue::Kind kind, int64_t number) {
  JetValue value;
  value.kind = kind;
  value.integer = number;
  return value;
}

JetValue Real(JetValue::Kind kind, double number) {
  JetValue value;
  value.kind = kind;
  value.real = number;
  return value;
}

JetValue Stored(JetValue::Kind kind, std::string bytes) {
  JetValue value;
  value.kind = kind;
  value.bytes = std::move(bytes);
  return value;
}

}  // namespace

JetValue DecodeValue(const Pages& pages, const Column& column, const StoredField& field) {
  if (field.isNull) return JetValue();
  const Bytes& b = field.bytes;
  switch (column.type) {
    case kBool:
      return Whole(JetValue::Kind::kBool, field.bit ? 1 : 0);
    case kByte:
      return Whole(JetValue::Kind::kInteger, b.U8(0));
    case kInt:
      return Whole(JetValue::Kind::kInteger, static_cast<int16_t>(b.U16(0)));
    case kLong:
      return Whole(JetValue::Kind::kInteger, static_cast<int32_t>(b.U32(0)));
    case kMoney:
      return Whole(JetValue::Kind::kMoney, static_cast<int64_t>(b.U64(0)));
    case kFloat:
      return Real(JetValue::Kind::kReal, FloatOf<float>(b.U32(0)));
    case kDouble:
      return Real(JetValue::Kind::kReal, FloatOf<double>(b.U64(0)));
    case kDateTime:
      return Real(JetValue::Kind::kDateTime, FloatOf<double>(b.U64(0)));
    case kText:
      return Stored(JetValue::Kind::kText, TextToUtf8(pages.GetFormat(), b));
    case kMemo: {
      const std::string stored = ReadLongValue(pages, b);
      const Bytes view(reinterpret_cast<const uint8_t*>(stored.data()), stored.size());
      return Stored(JetValue::Kind::kText, TextToUtf8(pages.GetFormat(), view));
    }
    case kOle:
      return Stored(JetValue::Kind::kBinary, ReadLongValue(pages, b));
    default:
      return Stored(JetValue::Kind::kBinary, b.ToString());
  }
}

}  // namespace jet_file
