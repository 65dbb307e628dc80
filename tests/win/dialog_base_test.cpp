// The dialog base: modal runs in its own loop, key routing, results of handlers, and errors caught at the
// dialog procedure.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <stdexcept>
#include <vector>

#include "WinTestSupport.h"
#include "ui/DialogBase.h"
#include "db/DaoException.h"

namespace {

constexpr WORD kActionId = 100;

class CProbeDialog : public CDialogBase {
 public:
  CProbeDialog() : CDialogBase(Template()) {}
  ~CProbeDialog() override { DestroyWindow(); }

  std::function<void(CProbeDialog&)> onInit;
  std::function<void(WORD id, WORD code)> onCommand;
  std::function<bool(MSG&)> preTranslate;
  std::function<bool(UINT, WPARAM, LPARAM, LRESULT&)> onMessage;
  std::function<bool(NMHDR*, LRESULT&)> onNotify;
  int commands = 0;
  int destroyed = 0;

 protected:
  BOOL OnInitDialog() override {
    if (onInit) onInit(*this);
    return TRUE;
  }
  bool OnCommand(WORD id, WORD code, HWND control) override {
    if (id != kActionId) return CDialogBase::OnCommand(id, code, control);
    ++commands;
    if (onCommand) onCommand(id, code);
    return true;
  }
  bool OnNotify(NMHDR* header, LRESULT& result) override { return onNotify && onNotify(header, result); }
  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    return onMessage && onMessage(msg, wParam, lParam, result);
  }
  bool PreTranslateMessage(MSG& msg) override { return preTranslate && preTranslate(msg); }
  void OnDestroy() override { ++destroyed; }

 private:
  static const DLGTEMPLATE* Template() {
    static CTestDialogTemplate dialog = [] {
      CTestDialogTemplate t(WS_POPUP | WS_CAPTION | WS_SYSMENU, 160, 60);
      t.AddButton(IDOK, L"OK");
      t.AddButton(kActionId, L"Act");
      return t;
    }();
    return dialog.Get();
  }
};

void SendCommand(HWND dialog, WORD id, WORD code, HWND control) {
  ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
}

TEST(DialogBaseTest, HandlerErrorsAreShownWithStopIconAndTheDialogGoesOn) {
  CMessageBoxRecorder boxes;
  CProbeDialog dialog;
  ASSERT_TRUE(dialog.Create());
  HWND hwnd = dialog.GetSafeHwnd();
  HWND button = dialog.GetDlgItem(kActionId);

  std::function<void()> fault;
  dialog.onCommand = [&](WORD, WORD) { fault(); };

  fault = [] { throw CDaoException("테이블 'VESPERAL'을(를) 찾을 수 없습니다.", 3078); };
  SendCommand(hwnd, kActionId, BN_CLICKED, button);
  fault = [] { throw std::runtime_error("no"); };
  SendCommand(hwnd, kActionId, BN_CLICKED, button);
  SendCommand(hwnd, kActionId, 0, nullptr);  // the same failure from a menu
  fault = [] { throw CDaoException("잘못된 연산입니다."); };
  SendCommand(hwnd, kActionId, 0, nullptr);
  fault = [] { throw CDaoException(""); };
  SendCommand(hwnd, kActionId, BN_CLICKED, button);
  // A failure of a known file that the user can act on: Korean first, the engine's words last.
  fault = [] { throw CDaoException("disk is full", 13 /* SQLITE_FULL */, "C:\\p\\memo.mdb"); };
  SendCommand(hwnd, kActionId, BN_CLICKED, button);
  // One the user cannot act on keeps the engine's words alone.
  fault = [] { throw CDaoException("no such table: AWAY", 1 /* SQLITE_ERROR */, "C:\\p\\memo.mdb"); };
  SendCommand(hwnd, kActionId, BN_CLICKED, button);
  fault = [] {};
  SendCommand(hwnd, kActionId, BN_CLICKED, button);

  ASSERT_EQ(7u, boxes.Boxes().size());
  EXPECT_EQ("테이블 'VESPERAL'을(를) 찾을 수 없습니다.", boxes.Boxes()[0].text);
  EXPECT_EQ("내부 응용프로그램 오류.", boxes.Boxes()[1].text);
  EXPECT_EQ("명령 실패.", boxes.Boxes()[2].text);
  EXPECT_EQ("잘못된 연산입니다.", boxes.Boxes()[3].text);
  EXPECT_EQ("내부 응용프로그램 오류.", boxes.Boxes()[4].text);
  EXPECT_EQ(
      "C:\\p\\memo.mdb 파일이 있는 디스크에 빈 공간이 없습니다.\n디스크에 공간을 만든 뒤 다시 하십시오.\ndisk is full",
      boxes.Boxes()[5].text);
  EXPECT_EQ("no such table: AWAY", boxes.Boxes()[6].text);
  for (const auto& box : boxes.Boxes()) EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONSTOP), box.type);
  EXPECT_TRUE(::IsWindow(hwnd));
  EXPECT_EQ(8, dialog.commands) << "every later command is still handled";
}

TEST(DialogBaseTest, ErrorDuringInitialisationLeavesTheWindowOpen) {
  CMessageBoxRecorder boxes;
  CProbeDialog dialog;
  dialog.onInit = [](CProbeDialog&) { throw CDaoException("열 수 없습니다."); };
  ASSERT_TRUE(dialog.Create());
  EXPECT_TRUE(::IsWindow(dialog.GetSafeHwnd()));
  ASSERT_EQ(1u, boxes.Boxes().size());
  EXPECT_EQ("열 수 없습니다.", boxes.Boxes()[0].text);
}

TEST(DialogBaseTest, HandlerResultsReachTheSender) {
  CProbeDialog dialog;
  ASSERT_TRUE(dialog.Create());
  dialog.onNotify = [](NMHDR* header, LRESULT& result) {
    result = header->code == 77 ? 5 : 0;
    return true;
  };
  dialog.onMessage = [](UINT msg, WPARAM, LPARAM lParam, LRESULT& result) {
    if (msg != WM_APP + 3) return false;
    result = lParam * 2;
    return true;
  };
  NMHDR header{dialog.GetDlgItem(kActionId), kActionId, 77};
  EXPECT_EQ(5, ::SendMessageW(dialog.GetSafeHwnd(), WM_NOTIFY, kActionId, reinterpret_cast<LPARAM>(&header)));
  EXPECT_EQ(42, ::SendMessageW(dialog.GetSafeHwnd(), WM_APP + 3, 0, 21));
}

TEST(DialogBaseTest, ModalRunDisablesTheOwnerAndReturnsTheEndValue) {
  HWND owner =
      ::CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(nullptr, owner);
  CProbeDialog dialog;
  bool ownerEnabledInside = true, visibleInside = false;
  HWND ownerInside = nullptr;
  dialog.onInit = [](CProbeDialog& d) { ::PostMessageW(d.GetSafeHwnd(), WM_APP, 0, 0); };
  dialog.onMessage = [&](UINT msg, WPARAM, LPARAM, LRESULT&) {
    if (msg != WM_APP) return false;
    ownerEnabledInside = ::IsWindowEnabled(owner) != FALSE;
    visibleInside = ::IsWindowVisible(dialog.GetSafeHwnd()) != FALSE;
    ownerInside = ::GetWindow(dialog.GetSafeHwnd(), GW_OWNER);
    dialog.EndDialog(42);
    return true;
  };
  EXPECT_EQ(42, dialog.DoModal(owner));
  EXPECT_FALSE(ownerEnabledInside);
  EXPECT_TRUE(visibleInside);
  EXPECT_EQ(owner, ownerInside);
  EXPECT_TRUE(::IsWindowEnabled(owner));
  EXPECT_EQ(nullptr, dialog.GetSafeHwnd());
  EXPECT_EQ(1, dialog.destroyed);
  ::DestroyWindow(owner);
}

TEST(DialogBaseTest, KeysReachPreTranslateMessageBeforeDialogNavigation) {
  CProbeDialog dialog;
  std::vector<HWND> escapeTargets;
  dialog.onInit = [](CProbeDialog& d) {
    HWND button = d.GetDlgItem(kActionId);
    ::PostMessageW(button, WM_KEYDOWN, VK_ESCAPE, 0);
    ::PostMessageW(button, WM_KEYDOWN, VK_ESCAPE, 0);
  };
  // The first Escape is consumed here; only the second reaches the dialog and cancels it.
  dialog.preTranslate = [&](MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_ESCAPE) return false;
    escapeTargets.push_back(msg.hwnd);
    return escapeTargets.size() == 1;
  };
  HWND button = nullptr;
  dialog.onMessage = [&](UINT msg, WPARAM, LPARAM, LRESULT&) {
    if (msg == WM_SHOWWINDOW) button = dialog.GetDlgItem(kActionId);
    return false;
  };
  EXPECT_EQ(IDCANCEL, dialog.DoModal());
  ASSERT_EQ(2u, escapeTargets.size());
  EXPECT_EQ(button, escapeTargets[0]);
}

TEST(DialogBaseTest, QuitMessageEndsTheModalRunAndIsPassedOn) {
  CProbeDialog dialog;
  dialog.onInit = [](CProbeDialog&) { ::PostQuitMessage(3); };
  EXPECT_EQ(-1, dialog.DoModal());
  MSG msg;
  ASSERT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(3u, msg.wParam);
}

TEST(DialogBaseTest, ModelessDialogRoutesItsMessagesAndEndsByDestruction) {
  CProbeDialog dialog;
  ASSERT_TRUE(dialog.Create());
  HWND hwnd = dialog.GetSafeHwnd();
  HWND button = dialog.GetDlgItem(kActionId);
  EXPECT_EQ(&dialog, CDialogBase::FromHandle(hwnd));
  EXPECT_EQ(nullptr, CDialogBase::FromHandle(button));

  int seen = 0;
  dialog.preTranslate = [&](MSG& msg) { return msg.message == WM_KEYDOWN && ++seen > 0; };
  MSG key{button, WM_KEYDOWN, 'A', 0, 0, {0, 0}};
  EXPECT_TRUE(CDialogBase::RouteMessage(key));
  MSG foreign{nullptr, WM_KEYDOWN, 'A', 0, 0, {0, 0}};
  EXPECT_FALSE(CDialogBase::RouteMessage(foreign));
  EXPECT_EQ(1, seen);

  dialog.EndDialog(IDOK);
  EXPECT_FALSE(::IsWindow(hwnd));
  EXPECT_EQ(nullptr, dialog.GetSafeHwnd());
  EXPECT_EQ(1, dialog.destroyed);
  EXPECT_EQ(nullptr, CDialogBase::FromHandle(hwnd));
}

}  // namespace
