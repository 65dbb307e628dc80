#include "ui/ComApartment.h"

#include <windows.h>

#include "ui/OnDemandLibrary.h"

CComApartment::CComApartment() {
  const auto initialize = reinterpret_cast<HRESULT(WINAPI*)(LPVOID)>(
      reinterpret_cast<void*>(LibraryFunction("ole32.dll", "OleInitialize")));
  m_bInitialized = initialize && SUCCEEDED(initialize(nullptr));
}

CComApartment::~CComApartment() {
  const auto uninitialize =
      reinterpret_cast<void(WINAPI*)()>(reinterpret_cast<void*>(LibraryFunction("ole32.dll", "OleUninitialize")));
  if (m_bInitialized && uninitialize) uninitialize();
}
