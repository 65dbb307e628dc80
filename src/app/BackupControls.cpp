#include "app/BackupControls.h"

#include "diary/DiaryBackupRun.h"
#include "res/Resource.h"
#include "res/TextIds.h"
#include "ui/AppMessageBox.h"
#include "ui/DatePicker.h"
#include "ui/FilePickers.h"
#include "ui/ResourceText.h"
#include "ui/WindowText.h"

CBackupKeeper& CBackupControls::Keeper() const { return TheBackupKeeper(m_strProgramDir); }

void CBackupControls::Attach(HWND dialog) {
  m_hDialog = dialog;
  ShowState();
}

bool CBackupControls::OnCommand(WORD id) {
  switch (id) {
    case IDC_BACKUP_CHOOSE:
      ChooseFolder();
      return true;
    case IDC_BACKUP_NOW:
      BackUpNow();
      return true;
    case IDC_BACKUP_RESTORE:
      Restore();
      return true;
    default:
      return false;
  }
}

void CBackupControls::ShowState() {
  SetWindowTextUtf8(::GetDlgItem(m_hDialog, IDC_BACKUP_FOLDER), Keeper().Folder());
  SetWindowTextUtf8(::GetDlgItem(m_hDialog, IDC_BACKUP_LAST), LoadText(Keeper().LastBackupText()));
}

void CBackupControls::ChooseFolder() {
  std::string folder;
  if (!PickFolder(m_hDialog, LoadText(IDS_BACKUP_PICK_FOLDER), Keeper().Folder(), folder)) return;
  const MessageText told = Keeper().ChooseFolder(folder);
  ShowState();
  if (!told.IsEmpty()) AppMessageBox(m_hDialog, told, MB_OK | MB_ICONEXCLAMATION);
}

void CBackupControls::BackUpNow() {
  const MessageText told = Keeper().BackUpNow(LocalNow());
  ShowState();
  const bool made = !told.Parts().empty() && told.Parts().front().textId == IDS_BACKUP_MADE;
  AppMessageBox(m_hDialog, told, MB_OK | (made ? MB_ICONINFORMATION : MB_ICONEXCLAMATION));
}

void CBackupControls::Restore() {
  std::string chosen;
  if (!PickFileToOpen(m_hDialog, LoadText(IDS_RESTORE_FILTER), Keeper().Folder(), chosen)) return;
  const MessageText question(IDS_RESTORE_QUESTION, {chosen, Keeper().Folder()});
  if (AppMessageBox(m_hDialog, question, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES) return;
  const MessageText told = Keeper().Restore(chosen, LocalNow());
  const bool restored = !told.Parts().empty() && told.Parts().front().textId == IDS_RESTORE_DONE;
  AppMessageBox(m_hDialog, told, MB_OK | (restored ? MB_ICONINFORMATION : MB_ICONEXCLAMATION));
}
