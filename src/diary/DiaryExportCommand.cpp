// The diary window's "파일로저장": the choice of scope, the file name, then the file.
#include "diary/DiaryDlg.h"
#include "diary/DiaryExport.h"
#include "diary/DiarySession.h"
#include "diary/SaveChoiceDlg.h"
#include "res/TextIds.h"
#include "ui/AppMessageBox.h"
#include "ui/ResourceText.h"
#include "ui/WideText.h"

void CDiaryDlg::ExportDiary() {
  CSaveChoiceDlg choice(m_hWnd, m_pReadingDlg->MainWindow());
  if (choice.DoModal() != IDOK) return;
  std::string path;
  if (!m_chooseFile || !m_chooseFile(m_hWnd, path)) return;
  // What is on the screen belongs in the file; the export waits while it cannot be stored.
  if (!Write(StoreOccasion::kExport, [this] { StoreEntry(); })) return;
  path = WithTxtExtension(path);
  if (!Session().HasDiary()) {
    AppMessageBox(m_hWnd, LoadText(IDS_EXPORT_WITHOUT_DIARY), MB_OK);
    return;
  }
  switch (Session().Export(choice.Scope() != 0, m_strKey, path)) {
    case ExportOutcome::kCannotCreate:
      AppMessageBox(m_hWnd, LoadText(IDS_EXPORT_CANNOT_CREATE, {path}), MB_OK);
      return;
    case ExportOutcome::kWriteFailed:
      AppMessageBox(m_hWnd, LoadText(IDS_EXPORT_WRITE_FAILED, {path}), MB_OK);
      return;
    case ExportOutcome::kWritten:
      break;
  }
  std::wstring directory(::GetCurrentDirectoryW(0, nullptr), L'\0');
  directory.resize(::GetCurrentDirectoryW(static_cast<DWORD>(directory.size()), &directory[0]));
  if (m_openFile) m_openFile(path, Narrow(directory));
}
