#include "ui/AccessibleDocument.h"

#include <oleacc.h>

#include <utility>

#include "ui/ComApartment.h"
#include "ui/OnDemandLibrary.h"
#include "ui/WideText.h"

namespace {

using CreateStdAccessibleObjectFn = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
using LresultFromObjectFn = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
using SysAllocStringLenFn = BSTR(WINAPI*)(const OLECHAR*, UINT);

// A reader's text; an empty one is no text at all (S_FALSE), as readers expect of a nameless object.
HRESULT ReaderText(const std::string& utf8, BSTR* out) {
  if (utf8.empty()) return S_FALSE;
  const auto allocate = LibraryFunctionAs<SysAllocStringLenFn>("oleaut32.dll", "SysAllocStringLen");
  if (!allocate) return E_OUTOFMEMORY;
  const std::wstring wide = Widen(utf8);
  *out = allocate(wide.data(), static_cast<UINT>(wide.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

}  // namespace

// The object readers hold. It may outlive the window: once disconnected it answers every call so.
class CDocumentObject final : public IAccessible {
 public:
  CDocumentObject(HWND window, IAccessible* standard, std::function<std::string()> name,
                  std::function<std::string()> value)
      : m_hWnd(window), m_pStandard(standard), m_name(std::move(name)), m_value(std::move(value)) {}
  CDocumentObject(const CDocumentObject&) = delete;
  CDocumentObject& operator=(const CDocumentObject&) = delete;

  void Disconnect() {
    if (m_pStandard) m_pStandard->Release();
    m_pStandard = nullptr;
    m_name = nullptr;
    m_value = nullptr;
  }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(IAccessible)) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&m_nReferences)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = ::InterlockedDecrement(&m_nReferences);
    if (left == 0) {
      Disconnect();
      delete this;
    }
    return static_cast<ULONG>(left);
  }

  // IDispatch: readers call the methods themselves; there is no type library to script them by name.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }

  // IAccessible: the document's own answers.
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override { return OwnText(child, name, m_name); }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override { return OwnText(child, value, m_value); }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!role) return E_POINTER;
    if (!m_pStandard) return RPC_E_DISCONNECTED;
    if (!IsSelf(child)) return E_INVALIDARG;
    role->vt = VT_I4;
    role->lVal = ROLE_SYSTEM_DOCUMENT;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    if (!state) return E_POINTER;
    if (!m_pStandard) return RPC_E_DISCONNECTED;
    if (!IsSelf(child)) return E_INVALIDARG;
    // The window's own state (invisible, off screen), and what a read-only text that takes the focus is.
    VARIANT standard;
    standard.vt = VT_EMPTY;
    const LONG shown =
        SUCCEEDED(m_pStandard->get_accState(child, &standard)) && standard.vt == VT_I4 ? standard.lVal : 0;
    state->vt = VT_I4;
    state->lVal = (shown & ~STATE_SYSTEM_FOCUSED) | STATE_SYSTEM_READONLY | STATE_SYSTEM_FOCUSABLE |
                  (::GetFocus() == m_hWnd ? STATE_SYSTEM_FOCUSED : 0);
    return S_OK;
  }
  // Read-only.
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

  // IAccessible: the system's object for the client area answers the rest.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return m_pStandard ? m_pStandard->get_accParent(parent) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    return m_pStandard ? m_pStandard->get_accChildCount(count) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    return m_pStandard ? m_pStandard->get_accChild(child, out) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
    return m_pStandard ? m_pStandard->get_accDescription(child, text) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* text) override {
    return m_pStandard ? m_pStandard->get_accHelp(child, text) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
    return m_pStandard ? m_pStandard->get_accHelpTopic(file, child, topic) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* text) override {
    return m_pStandard ? m_pStandard->get_accKeyboardShortcut(child, text) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    return m_pStandard ? m_pStandard->get_accFocus(focus) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    return m_pStandard ? m_pStandard->get_accSelection(selection) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* text) override {
    return m_pStandard ? m_pStandard->get_accDefaultAction(child, text) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
    return m_pStandard ? m_pStandard->accSelect(flags, child) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
    return m_pStandard ? m_pStandard->accLocation(left, top, width, height, child) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    return m_pStandard ? m_pStandard->accNavigate(direction, start, end) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
    return m_pStandard ? m_pStandard->accHitTest(x, y, child) : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return m_pStandard ? m_pStandard->accDoDefaultAction(child) : RPC_E_DISCONNECTED;
  }

 private:
  ~CDocumentObject() = default;

  HRESULT OwnText(const VARIANT& child, BSTR* out, const std::function<std::string()>& text) const {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!m_pStandard) return RPC_E_DISCONNECTED;
    if (!IsSelf(child)) return E_INVALIDARG;
    return ReaderText(text(), out);
  }

  LONG m_nReferences = 1;
  HWND m_hWnd;
  IAccessible* m_pStandard;
  std::function<std::string()> m_name, m_value;
};

CAccessibleDocument::CAccessibleDocument(std::function<std::string()> name, std::function<std::string()> value)
    : m_name(std::move(name)), m_value(std::move(value)) {}

CAccessibleDocument::~CAccessibleDocument() {
  if (m_pObject) {
    m_pObject->Disconnect();
    m_pObject->Release();
  }
  // The apartment ends last: its end releases what readers still held through it.
  m_apartment.reset();
}

bool CAccessibleDocument::OnGetObject(HWND window, WPARAM flags, LPARAM objectId, LRESULT& result) {
  if (static_cast<DWORD>(objectId) != static_cast<DWORD>(OBJID_CLIENT)) return false;
  const auto createStandard = LibraryFunctionAs<CreateStdAccessibleObjectFn>("oleacc.dll", "CreateStdAccessibleObject");
  const auto resultFromObject = LibraryFunctionAs<LresultFromObjectFn>("oleacc.dll", "LresultFromObject");
  if (!createStandard || !resultFromObject) return false;
  if (!m_pObject) {
    // Handing the object over marshals it, which needs COM on this thread.
    if (!m_apartment) m_apartment = std::make_unique<CComApartment>();
    IAccessible* standard = nullptr;
    if (FAILED(createStandard(window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&standard))) ||
        !standard)
      return false;
    try {
      m_pObject = new CDocumentObject(window, standard, m_name, m_value);
    } catch (...) {
      standard->Release();
      throw;
    }
  }
  result = resultFromObject(__uuidof(IAccessible), flags, static_cast<IAccessible*>(m_pObject));
  return true;
}

void CAccessibleDocument::TellChanged(HWND window) {
  ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window, OBJID_CLIENT, CHILDID_SELF);
  ::NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, window, OBJID_CLIENT, CHILDID_SELF);
}
