#pragma once
// The diary window beside the reading window: for the date of its picker it shows the title, meditation
// and prayer of that date's entry, stores them under the date key, deletes the entry, and leads on to the
// search window and to the export. The reading window owns the object; the window comes and goes with
// the diary button. Whatever was typed is stored before the window goes, by any way it goes.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "controls/GdiHandles.h"
#include "diary/DiaryDate.h"
#include "diary/DiaryWindow.h"
#include "diary/StoreFailurePolicy.h"
#include "ui/DialogBase.h"

class CDiarySession;
class CFindDlg;

class CDiaryDlg : public CDialogBase, public IDiaryWindow {
 public:
  explicit CDiaryDlg(IDiaryHost& host);
  ~CDiaryDlg() override;

  // IDiaryWindow
  bool OpenDiaryWindow() override;
  void CloseDiaryWindow() override;
  HWND DiaryWindowHandle() const override { return m_hWnd; }
  void SetDiaryDateRange(int firstYear, int lastYear) override;
  void StoreChanges() override;

  void LoadEntry();
  // Stores the fields under the shown key; an engine failure is thrown.
  void StoreEntry();
  void ClearEntry();
  // Shows the session's date, storing the shown fields first when they were changed.
  void FollowDate();
  // The export of one or all entries to a text file.
  void ExportDiary();

  CFindDlg* FindDlg() const { return m_pFindDlg.get(); }
  const std::string& DateKey() const { return m_strKey; }
  bool IsModified() const { return m_bModified; }

  // How the export asks for the file name (true with a path, false when cancelled), and how it opens the
  // written file. The program asks with the common save dialog and opens with the shell; tests replace them.
  using ChooseFileFn = std::function<bool(HWND owner, std::string& path)>;
  using OpenFileFn = std::function<void(const std::string& path, const std::string& directory)>;
  void SetExportFileChooser(ChooseFileFn chooseFile) { m_chooseFile = std::move(chooseFile); }
  void SetExportFileOpener(OpenFileFn openFile) { m_openFile = std::move(openFile); }

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  bool OnNotify(NMHDR* header, LRESULT& result) override;
  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool PreTranslateMessage(MSG& msg) override;
  void OnDestroy() override;

 private:
  ChooseFileFn m_chooseFile;
  OpenFileFn m_openFile;
  CDiarySession& Session() const;
  HWND OwnerWindow() const;
  // Copies the controls into the members (true) or the members into the controls (false).
  void UpdateData(bool fromWindow);
  void OnDelete();
  void OnFind();
  void ShowSearchText();
  // Runs `write` (a store of the fields, or the deletion) and, when it fails, does what the one policy for
  // failed stores says for `occasion`: true when the occasion may go on.
  bool Write(StoreOccasion occasion, const std::function<void()>& write);
  // Stores the fields when they were changed, under the policy of `occasion`: true when the occasion may
  // go on (stored, nothing to store, or given up).
  bool StoreTypedText(StoreOccasion occasion);

  CIconHandle m_hIcon;
  bool m_bFindShown = false;
  IDiaryHost* m_pReadingDlg;
  std::unique_ptr<CFindDlg> m_pFindDlg;
  std::string m_strKey;
  DiaryDate m_shownDate;  // the date of m_strKey, to return to when a change of date cannot store
  bool m_bModified = false;
  std::string m_strTitle, m_strMeditation, m_strPrayer;
};
