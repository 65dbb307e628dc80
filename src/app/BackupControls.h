#pragma once
// The settings window's part for the diary's backups: the folder in use with "바꾸기...", when the last
// backup was made, "지금 백업" and "백업에서 되살리기...". Each acts at once through the keeper of the program
// folder and says what happened in a message box; the window's confirm and cancel do not undo them. While the
// settings window runs no reading window is open (the tray waits for it), so no diary is open either.
#include <windows.h>

#include <string>

class CBackupKeeper;

class CBackupControls {
 public:
  explicit CBackupControls(std::string programDir) : m_strProgramDir(std::move(programDir)) {}

  // Shows the folder and the last backup in the controls of `dialog`.
  void Attach(HWND dialog);
  // True when `id` was one of the part's buttons; it has then done its work.
  bool OnCommand(WORD id);

 private:
  CBackupKeeper& Keeper() const;
  void ShowState();
  void ChooseFolder();
  void BackUpNow();
  void Restore();

  std::string m_strProgramDir;
  HWND m_hDialog = nullptr;
};
