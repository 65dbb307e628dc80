#pragma once
// What a screen reader learns of a window that paints a read-only text itself (the reading window's page):
// an accessible object of role document, read-only and focusable, whose name and value the window gives
// when asked. The rest (place, parent, focus, hit test) is the system's own object for the window's client
// area. OLEACC, which makes and hands over such objects, is loaded when a reader first asks.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

class CDocumentObject;
class CComApartment;

class CAccessibleDocument {
 public:
  // `name` and `value` are asked afresh each time a reader reads them.
  CAccessibleDocument(std::function<std::string()> name, std::function<std::string()> value);
  // Readers that still hold the object get "disconnected" from then on.
  ~CAccessibleDocument();
  CAccessibleDocument(const CAccessibleDocument&) = delete;
  CAccessibleDocument& operator=(const CAccessibleDocument&) = delete;

  // WM_GETOBJECT of `window`: the object for the client area (OBJID_CLIENT). False for other objects, or
  // when it cannot be made: the message then goes to DefWindowProc.
  bool OnGetObject(HWND window, WPARAM flags, LPARAM objectId, LRESULT& result);
  // Tells readers that the name and the value changed (another day is shown).
  static void TellChanged(HWND window);

 private:
  std::function<std::string()> m_name, m_value;
  std::unique_ptr<CComApartment> m_apartment;
  CDocumentObject* m_pObject = nullptr;  // one reference held
};
