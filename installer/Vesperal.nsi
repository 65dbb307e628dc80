; Setup of 베스페랄읽기: a per-user install that needs no administrator rights.
; scripts/release.sh compiles it with makensis, giving on the command line:
;   VERSION   the release number from the VERSION file (MAJOR.MINOR.PATCH)
;   STAGE     the program folder to ship (exe, greeting sound, help file, reading plans, BibleText.txt)
;   FILES     the file list it wrote for that folder (macros ProgramFiles, RemoveProgramFiles, Plans)
;   ICON      the program's icon
;   OUTFILE   where the setup goes
; The program keeps memo.mdb and reads <year>.dat beside itself, so the folder must be the user's own and
; writable. Its name may hold any character: the program names its files with the wide calls.
Unicode true
SetCompressor /SOLID lzma
; Solid: the yearly plans repeat the same verses, and LZMA's default 8 MB dictionary reaches back over a
; whole year's plan (about 5 MB), so each further year costs little.
RequestExecutionLevel user

!include MUI2.nsh
!include LogicLib.nsh
!include Sections.nsh
!include FileFunc.nsh
!include "${FILES}"

!define APP_TITLE "베스페랄읽기"
!define PUBLISHER "누리말씀회"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vesperal"
; The plans a setup wrote, each with its file time then, so that a later setup replaces and uninstalling
; removes only those and no plan the user made or changed. The key keeps the name the first setups gave it,
; when they wrote sample plans, so that their plans are recognised too.
!define PLANS_KEY "Software\Vesperal\SamplePlans"
!define SHORTCUT_NAME "${APP_TITLE}.lnk"

Name "${APP_TITLE}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Vesperal"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${APP_TITLE} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_UNCOMPONENTSPAGE_NODESC

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Vesperal.exe"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "Korean"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_KOREAN} "ProductName" "${APP_TITLE}"
VIAddVersionKey /LANG=${LANG_KOREAN} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_KOREAN} "LegalCopyright" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_KOREAN} "FileDescription" "${APP_TITLE} 설치"
VIAddVersionKey /LANG=${LANG_KOREAN} "FileVersion" "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_KOREAN} "ProductVersion" "${VERSION}.0"

; A running program cannot be replaced or removed; the user ends it from its tray menu first. A silent run
; gives up with exit code 2 instead of leaving a half-replaced folder.
!macro WaitForProgramToEnd
  ${DoWhile} ${FileExists} "$INSTDIR\Vesperal.exe"
    ClearErrors
    FileOpen $R2 "$INSTDIR\Vesperal.exe" a
    ${IfNot} ${Errors}
      FileClose $R2
      ${Break}
    ${EndIf}
    ${If} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${APP_TITLE}이(가) 실행 중입니다. 트레이 아이콘의 메뉴에서 끝낸 뒤 다시 시도해 주십시오." /SD IDCANCEL IDCANCEL`
      SetErrorLevel 2
      Quit
    ${EndIf}
  ${Loop}
!macroend

; Sets $R3 to 1 when $INSTDIR\NAME is a plan that a setup wrote and that has kept the file time recorded
; then, so nobody changed it since; else to 0. A plan the user put there has no record.
!macro IsSetupsUnchangedPlan NAME
  StrCpy $R3 0
  ClearErrors
  ReadRegStr $R2 HKCU "${PLANS_KEY}" "${NAME}"
  ${IfNot} ${Errors}
    ClearErrors
    GetFileTime "$INSTDIR\${NAME}" $R0 $R1
    ${IfNot} ${Errors}
    ${AndIf} "$R0 $R1" == $R2
      StrCpy $R3 1
    ${EndIf}
  ${EndIf}
!macroend

; A plan is written where its year has none, and over one that an earlier setup wrote and nobody changed
; since (the sample plans of the first setups become the Bible text this way). Its file time goes into the
; registry for the next setup and the uninstaller.
!macro Plan NAME
  !insertmacro IsSetupsUnchangedPlan "${NAME}"
  ${If} $R3 = 1
  ${OrIfNot} ${FileExists} "$INSTDIR\${NAME}"
    ${If} $R3 = 1
      DetailPrint "읽기표를 새것으로 바꿉니다: ${NAME}"
    ${Else}
      DetailPrint "읽기표: ${NAME}"
    ${EndIf}
    File "${STAGE}/${NAME}"
    GetFileTime "$INSTDIR\${NAME}" $R0 $R1
    WriteRegStr HKCU "${PLANS_KEY}" "${NAME}" "$R0 $R1"
  ${Else}
    DetailPrint "있는 읽기표를 그대로 둡니다: ${NAME}"
  ${EndIf}
!macroend

Section "${APP_TITLE} (필수)" SecProgram
  SectionIn RO
  !insertmacro WaitForProgramToEnd
  SetOutPath "$INSTDIR"
  !insertmacro ProgramFiles
  ; memo.mdb and Vesperal.ini (the settings, and Vesperal.ini.new while the program writes them) are never
  ; shipped, so an install over an earlier one leaves the diary and the settings as they are.
  !insertmacro Plans
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; Shortcuts start in $INSTDIR (CreateShortcut takes the working folder from SetOutPath).
  CreateShortcut "$SMPROGRAMS\${SHORTCUT_NAME}" "$INSTDIR\Vesperal.exe" "" "$INSTDIR\Vesperal.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${APP_TITLE}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Vesperal.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "로그온할 때 트레이에서 시작" SecStartup
  SetOutPath "$INSTDIR"
  CreateShortcut "$SMSTARTUP\${SHORTCUT_NAME}" "$INSTDIR\Vesperal.exe" "smode" "$INSTDIR\Vesperal.exe" 0
SectionEnd

; An install over an earlier one without the logon option takes the earlier Startup shortcut away.
Section "-StartupOff"
  ${IfNot} ${SectionIsSelected} ${SecStartup}
    Delete "$SMSTARTUP\${SHORTCUT_NAME}"
  ${EndIf}
SectionEnd

Section "un.${APP_TITLE}" UnSecProgram
  SectionIn RO
  !insertmacro WaitForProgramToEnd
  Delete "$SMPROGRAMS\${SHORTCUT_NAME}"
  Delete "$SMSTARTUP\${SHORTCUT_NAME}"
  !insertmacro RemoveProgramFiles
  ; Only the plans a setup wrote and nobody changed since; a plan the user put here or changed stays.
  StrCpy $2 0
  ${Do}
    EnumRegValue $3 HKCU "${PLANS_KEY}" $2
    ${If} $3 == ""
      ${Break}
    ${EndIf}
    !insertmacro IsSetupsUnchangedPlan $3
    ${If} $R3 = 1
      Delete "$INSTDIR\$3"
    ${EndIf}
    IntOp $2 $2 + 1
  ${Loop}
  DeleteRegKey HKCU "${PLANS_KEY}"
  DeleteRegKey /ifempty HKCU "Software\Vesperal"
  Delete "$INSTDIR\uninstall.exe"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

Section /o "un.일기(memo.mdb)도 지우기" UnSecDiary
  Delete "$INSTDIR\memo.mdb"
  Delete "$INSTDIR\memo.mdb-journal"
SectionEnd

; Last, so that the folder goes only when nothing of the user's is left in it: the settings Vesperal.ini
; stay with their folder, also when the diary is removed, since the choice names the diary alone.
Section "-un.Folder"
  RMDir "$INSTDIR"
SectionEnd

; A silent uninstall keeps the diary; "/REMOVEDIARY" on the command line ticks its removal.
Function un.onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVEDIARY" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${UnSecDiary}
  ${EndIf}
FunctionEnd
