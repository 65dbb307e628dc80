#pragma once
// A field's value as the database layer delivers it: an OLE Automation style variant tag and its payload.
#include <cstdint>
#include <string>

namespace variant {
// Variant type codes. They live in a namespace so that Windows headers, which declare the same names
// in the global namespace, can be included beside this one.
enum : uint16_t {
  VT_EMPTY = 0, VT_NULL = 1, VT_I2 = 2, VT_I4 = 3, VT_R4 = 4, VT_R8 = 5, VT_CY = 6, VT_DATE = 7,
  VT_BSTR = 8, VT_DISPATCH = 9, VT_ERROR = 10, VT_BOOL = 11, VT_VARIANT = 12, VT_UNKNOWN = 13,
  VT_I1 = 16, VT_UI1 = 17, VT_UI2 = 18, VT_UI4 = 19, VT_I8 = 20, VT_UI8 = 21, VT_INT = 22, VT_UINT = 23,
  VT_VOID = 24, VT_HRESULT = 25, VT_PTR = 26, VT_SAFEARRAY = 27, VT_CARRAY = 28, VT_USERDEFINED = 29,
  VT_LPSTR = 30, VT_LPWSTR = 31, VT_FILETIME = 64, VT_BLOB = 65, VT_STREAM = 66, VT_STORAGE = 67,
  VT_STREAMED_OBJECT = 68, VT_STORED_OBJECT = 69, VT_BLOB_OBJECT = 70, VT_CF = 71, VT_CLSID = 72,
  VT_ARRAY = 0x2000, VT_BYREF = 0x4000,
};
}  // namespace variant

struct FieldValue {
  uint16_t vt = variant::VT_EMPTY;
  int16_t iVal = 0;        // VT_I2; also VT_BOOL (zero is false)
  int32_t lVal = 0;        // VT_I4
  float fltVal = 0;        // VT_R4
  double dblVal = 0;       // VT_R8; VT_DATE as days since 30 December 1899
  int64_t cyVal = 0;       // VT_CY, the amount times 10,000
  uint8_t bVal = 0;        // VT_UI1
  std::string bytes;       // VT_BSTR text (UTF-8) or the elements of a VT_ARRAY | VT_UI1

  static FieldValue Null() { FieldValue v; v.vt = variant::VT_NULL; return v; }
  static FieldValue Text(std::string text) { FieldValue v; v.vt = variant::VT_BSTR; v.bytes = std::move(text); return v; }
};

// The one conversion of a field value to text that every reader of a database uses.
std::string FieldValueToText(const FieldValue& value);
// The same for a value that is not needed afterwards: its text is taken over rather than copied.
std::string FieldValueToText(FieldValue&& value);
