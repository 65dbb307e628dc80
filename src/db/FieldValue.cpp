#include "db/FieldValue.h"

#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <utility>

namespace {

using namespace variant;

// Names of the base types; null where a code has none.
const char* BaseTypeName(unsigned type) {
  static const char* const kLow[] = {"VT_EMPTY", "VT_NULL", "VT_I2", "VT_I4", "VT_R4", "VT_R8", "VT_CY", "VT_DATE",
                                     "VT_BSTR", "VT_DISPATCH", "VT_ERROR", "VT_BOOL", "VT_VARIANT", "VT_UNKNOWN",
                                     nullptr, nullptr, "VT_I1", nullptr, "VT_UI2", "VT_UI4", "VT_I8", "VT_UI8",
                                     "VT_INT", "VT_UINT", "VT_VOID", "VT_HRESULT", "VT_PTR", "VT_SAFEARRAY",
                                     "VT_CARRAY", "VT_USERDEFINED", "VT_LPSTR", "VT_LPWSTR"};
  static const char* const kHigh[] = {"VT_FILETIME", "VT_BLOB", "VT_STREAM", "VT_STORAGE", "VT_STREAMED_OBJECT",
                                      "VT_STORED_OBJECT", "VT_BLOB_OBJECT", "VT_CF", "VT_CLSID"};
  if (type < sizeof kLow / sizeof kLow[0]) return kLow[type];
  if (type >= VT_FILETIME && type <= VT_CLSID) return kHigh[type - VT_FILETIME];
  return nullptr;
}

std::string UpToFirstZero(const std::string& bytes) { return bytes.substr(0, bytes.find('\0')); }

template <typename... Args>
std::string Format(const char* format, Args... args) {
  char buffer[512];  // "%e" of any double fits with room to spare
  std::snprintf(buffer, sizeof buffer, format, args...);
  return buffer;
}

// The amount as a '.' decimal locale shows a currency value: minus sign, no grouping, up to four
// decimals without trailing zeros.
std::string CurrencyText(int64_t scaled) {
  const bool negative = scaled < 0;
  const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(scaled) : static_cast<uint64_t>(scaled);
  std::string text = Format("%s%" PRIu64, negative ? "-" : "", magnitude / 10000);
  unsigned fraction = static_cast<unsigned>(magnitude % 10000);
  if (fraction != 0) {
    std::string digits = Format("%04u", fraction);
    digits.erase(digits.find_last_not_of('0') + 1);
    text += '.' + digits;
  }
  return text;
}

// "%Y. %m. %m" of an OLE date (days since 30 December 1899; the whole part is the day even for negative
// values). Dates outside years 100 to 9999, which no OLE date holds, give the empty text.
std::string DateText(double oleDate) {
  if (!(oleDate > -657435.0 && oleDate < 2958466.0)) return "";
  // Civil date from days since 1970-01-01 (proleptic Gregorian calendar).
  const int64_t days = static_cast<int64_t>(std::trunc(oleDate)) - 25569;
  const int64_t z = days + 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t dayOfEra = z - era * 146097;
  const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
  const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
  return Format("%d. %02d. %02d", year, month, month);
}

}  // namespace

std::string FieldValueToText(const FieldValue& value) {
  std::string text = "Fish";
  switch (value.vt) {
    case VT_BSTR: text = UpToFirstZero(value.bytes); break;
    case VT_EMPTY:
    case VT_NULL: text.clear(); break;
    case VT_I2: text = Format("%hd", value.iVal); break;
    case VT_I4: text = Format("%d", static_cast<int>(value.lVal)); break;
    case VT_R4: text = Format("%e", static_cast<double>(value.fltVal)); break;
    case VT_R8: text = Format("%e", value.dblVal); break;
    case VT_BOOL: return value.iVal != 0 ? "TRUE" : "FALSE";
    case VT_UI1: text = Format("0x%02hX", static_cast<unsigned short>(value.bVal)); break;
    case VT_ARRAY | VT_UI1: text = UpToFirstZero(value.bytes); break;
    case VT_CY: text = CurrencyText(value.cyVal); break;
    case VT_DATE: text = DateText(value.dblVal); break;
    default:
      if (const char* name = BaseTypeName(value.vt)) text = name;
      break;
  }

  unsigned type = value.vt;
  if (type & VT_ARRAY) type &= ~unsigned{VT_ARRAY};
  if (type & VT_BYREF) {
    type &= ~unsigned{VT_BYREF};
    text += "Pointer to ";
  }
  if (type != value.vt) {
    if (type == VT_UI1) {
      // The byte-array case: the bytes themselves are the text. For VT_ARRAY | VT_UI1 this is the text
      // found above; by-reference byte tags, which the layer never delivers, read their bytes the same
      // way (there are no pointers in a FieldValue).
      text = UpToFirstZero(value.bytes);
    } else if (const char* name = BaseTypeName(type)) {
      text += name;
    }
  }
  return text;
}

std::string FieldValueToText(FieldValue&& value) {
  // Text and byte arrays give their bytes up to the first zero, with nothing added (see above).
  if (value.vt == VT_BSTR || value.vt == (VT_ARRAY | VT_UI1)) {
    const size_t zero = value.bytes.find('\0');
    if (zero != std::string::npos) value.bytes.resize(zero);
    return std::move(value.bytes);
  }
  return FieldValueToText(static_cast<const FieldValue&>(value));
}
