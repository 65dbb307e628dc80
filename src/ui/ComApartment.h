#pragma once
// OLE on the calling thread for as long as the object lives: the folder picker needs it, and so does
// handing a screen reader an accessible object. OLE32 is loaded for it, not at the program's start. The
// thread may be in OLE already; each object balances only its own start.
class CComApartment {
 public:
  CComApartment();
  ~CComApartment();
  CComApartment(const CComApartment&) = delete;
  CComApartment& operator=(const CComApartment&) = delete;

 private:
  bool m_bInitialized = false;
};
