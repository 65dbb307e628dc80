// The diary window's "파일로저장": the choice of scope, the file name, then the file.
#include "diary/DiaryDlg.h"
#include "diary/DiaryExport.h"
#include "diary/DiaryStore.h"
#include "diary/SaveChoiceDlg.h"
#include "ui/AppMessageBox.h"

void CDiaryDlg::ExportDiary() {
  CSaveChoiceDlg choice(m_hWnd, m_pReadingDlg->MainWindow());
  if (choice.DoModal() != IDOK) return;
  std::string path;
  if (!m_chooseFile || !m_chooseFile(m_hWnd, path)) return;
  // What is on the screen belongs in the file.
  StoreEntry();
  path = WithTxtExtension(path);
  CDaoRecordset* set = DiarySet();
  if (!set) {
    AppMessageBox(m_hWnd, "일기 데이터베이스가 없어 파일로 저장할 수 없습니다.", MB_OK);
    return;
  }
  switch (WriteDiaryExport(*set, choice.m_nScope != 0, m_strKey, path)) {
    case ExportOutcome::kCannotCreate:
      AppMessageBox(m_hWnd, path + " 파일을 생성하는데 실패하였습니다.", MB_OK);
      return;
    case ExportOutcome::kWriteFailed:
      AppMessageBox(m_hWnd, path + " 파일에 모두 쓰지 못하였습니다.", MB_OK);
      return;
    case ExportOutcome::kWritten:
      break;
  }
  char directory[300] = "";
  ::GetCurrentDirectoryA(sizeof directory, directory);
  if (m_openFile) m_openFile(path, directory);
}
