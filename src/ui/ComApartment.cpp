#include "ui/ComApartment.h"

#include <windows.h>

#include "ui/OnDemandLibrary.h"

CComApartment::CComApartment() {
  const auto initialize = LibraryFunctionAs<HRESULT(WINAPI*)(LPVOID)>("ole32.dll", "OleInitialize");
  m_bInitialized = initialize && SUCCEEDED(initialize(nullptr));
}

CComApartment::~CComApartment() {
  const auto uninitialize = LibraryFunctionAs<void(WINAPI*)()>("ole32.dll", "OleUninitialize");
  if (m_bInitialized && uninitialize) uninitialize();
}
