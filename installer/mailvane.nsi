; The Windows installer of Mailvane: per user, as the tool touches only the current
; user's registry. Built on Linux by scripts/package with BUILD (the 32-bit build
; folder), SOURCE (the repository) and OUT (where the setup program goes) defined.
Unicode true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include "MUI2.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Mailvane"

Name "Mailvane"
OutFile "${OUT}\Mailvane-1.0-setup.exe"
InstallDir "$LOCALAPPDATA\Programs\Mailvane"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
VIProductVersion "1.0.0.0"
VIAddVersionKey /LANG=0 "ProductName" "Mailvane"
VIAddVersionKey /LANG=0 "FileVersion" "1.0"
VIAddVersionKey /LANG=0 "CompanyName" "Corvell"
VIAddVersionKey /LANG=0 "FileDescription" "Mailvane setup"
VIAddVersionKey /LANG=0 "LegalCopyright" "Copyright (C) 2026 Corvell"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"
!insertmacro MUI_LANGUAGE "English"

Section "Mailvane"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File "${BUILD}\MVANE.exe"
  File "${BUILD}\MVANECTL.exe"
  File "${BUILD}\MVANE.html"
  File "${SOURCE}\README.md"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Mailvane.lnk" "$INSTDIR\MVANE.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Mailvane"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "1.0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Corvell"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\MVANE.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  ; The program removes its own registry data, after asking its user.
  ExecWait '"$INSTDIR\MVANE.exe" /UNINSTALL'
  Delete "$SMPROGRAMS\Mailvane.lnk"
  Delete "$INSTDIR\MVANE.exe"
  Delete "$INSTDIR\MVANECTL.exe"
  Delete "$INSTDIR\MVANE.html"
  Delete "$INSTDIR\README.md"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
