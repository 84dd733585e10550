; The installer of the VX48K2 Gaming Mouse configuration program.
;
;   makensis -DDIST=<program folder> -DLANGUAGES=<per-language parts> -DSOURCE=<repository>
;            -DOUTFILE=<setup.exe> kocfg.nsi
;
; Installs the program folder: program and hook library, and the chosen interface
; language's language file, skin and help file as one set (English from the program
; folder, Chinese from LANGUAGES\zh-CN); a reinstall in the other language replaces all
; three. Also makes the user's settings folder with its macro
; folder, a Start-menu entry and an uninstaller with its Add/Remove Programs entry. The
; uninstaller removes the program and never the user's settings or macros.
;
; Command line: /S installs silently; /LANGUAGE=en or /LANGUAGE=zh-CN chooses the interface
; language without the language dialog (the default is English, or the language chosen
; for an earlier installation).

Unicode true
SetCompressor /SOLID lzma

!ifndef DIST | LANGUAGES | SOURCE | OUTFILE
  !error "define DIST, LANGUAGES, SOURCE and OUTFILE"
!endif

!define PRODUCT "VX48K2 Gaming Mouse"
!define VERSION "1.0.0.0"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\VX48K2GamingMouse"
!define PRODUCT_KEY "Software\VX48K2\Gaming Mouse"
; The program's own folder under the user's roaming application data.
!define SETTINGS_SUBFOLDER "VX48K2\RoduraZoviv"

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\VX48K2\Gaming Mouse"
InstallDirRegKey HKLM "${PRODUCT_KEY}" "InstallDir"
; Program Files and the machine's uninstall list need an administrator.
RequestExecutionLevel admin
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) 2026"

!define MUI_ICON "${SOURCE}/src/app/win/resources/kocfg.ico"
!define MUI_UNICON "${SOURCE}/src/app/win/resources/kocfg.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\Kocfg.exe"
; The language dialog remembers its choice for the uninstaller and a later update.
!define MUI_LANGDLL_REGISTRY_ROOT HKLM
!define MUI_LANGDLL_REGISTRY_KEY "${PRODUCT_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "InstallerLanguage"
!define MUI_LANGDLL_ALLLANGUAGES

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The installer speaks the language the program will speak: the choice in the language
; dialog is the interface language.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "SimpChinese"

LangString StartMenuHelp ${LANG_ENGLISH} "Help"
LangString StartMenuHelp ${LANG_SIMPCHINESE} "帮助"
LangString StartMenuUninstall ${LANG_ENGLISH} "Uninstall"
LangString StartMenuUninstall ${LANG_SIMPCHINESE} "卸载"
LangString ProgramRunning ${LANG_ENGLISH} "${PRODUCT} is running. Close it and choose OK to go on."
LangString ProgramRunning ${LANG_SIMPCHINESE} "${PRODUCT} 正在运行。请先关闭它，然后选择“确定”继续。"

; The program's single-instance mutex: while it exists, its files are in use.
!macro WaitForProgramToClose
  ${Do}
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${PRODUCT}_Mutex") i .r0'
    ${If} $0 == 0
      ${Break}
    ${EndIf}
    System::Call 'kernel32::CloseHandle(i r0)'
    IfSilent 0 +2
      Abort
    MessageBox MB_OKCANCEL|MB_ICONEXCLAMATION "$(ProgramRunning)" IDOK +2
      Abort
  ${Loop}
!macroend

Function .onInit
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/LANGUAGE=" $R1
  ${IfNot} ${Errors}
    ${If} $R1 == "zh-CN"
      StrCpy $LANGUAGE ${LANG_SIMPCHINESE}
    ${Else}
      StrCpy $LANGUAGE ${LANG_ENGLISH}
    ${EndIf}
  ${Else}
    ; English unless an earlier installation chose otherwise; the dialog offers both.
    ReadRegStr $R2 HKLM "${PRODUCT_KEY}" "InstallerLanguage"
    ${If} $R2 == ""
      StrCpy $LANGUAGE ${LANG_ENGLISH}
    ${EndIf}
    !insertmacro MUI_LANGDLL_DISPLAY
  ${EndIf}
  !insertmacro WaitForProgramToClose
FunctionEnd

Section "Program" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "${DIST}/Kocfg.exe"
  File "${DIST}/KBHook.dll"
  ; The language's three parts together. An update replaces the skin as a whole: no
  ; picture of an older skin, or of the other language's, stays behind.
  RMDir /r "$INSTDIR\skins"
  ${If} $LANGUAGE == ${LANG_SIMPCHINESE}
    File "/oname=Strings.xml" "${SOURCE}/assets/zh-CN/Strings.xml"
    File "/oname=Zarvocfg.chm" "${LANGUAGES}/zh-CN/Zarvocfg.chm"
    SetOutPath "$INSTDIR\skins"
    File "${LANGUAGES}/zh-CN/skins/*.*"
  ${Else}
    File "/oname=Strings.xml" "${SOURCE}/assets/Strings.xml"
    File "/oname=Zarvocfg.chm" "${DIST}/Zarvocfg.chm"
    SetOutPath "$INSTDIR\skins"
    File "${DIST}/skins/*.*"
  ${EndIf}
  SetOutPath "$INSTDIR"

  ; The settings folder of the installing user, ready for the program's first save.
  SetShellVarContext current
  CreateDirectory "$APPDATA\${SETTINGS_SUBFOLDER}\Macro"

  ; The Start menu and the uninstall list are the machine's.
  SetShellVarContext all
  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\Kocfg.exe" "" "$INSTDIR\Kocfg.exe" 0
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\$(StartMenuHelp).lnk" "$INSTDIR\Zarvocfg.chm"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\$(StartMenuUninstall).lnk" "$INSTDIR\Uninstall.exe"

  WriteUninstaller "$INSTDIR\Uninstall.exe"
  WriteRegStr HKLM "${PRODUCT_KEY}" "InstallDir" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "VX48K2"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Kocfg.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

Function un.onInit
  !insertmacro MUI_UNGETLANGUAGE
  !insertmacro WaitForProgramToClose
FunctionEnd

; Removes exactly what the installer put there. The folder itself goes only when it is
; empty afterwards, so files the user kept in it (or a folder chosen by mistake, such as
; a drive's root) are never swept away. The settings folder is the user's and stays.
Section "Uninstall"
  Delete "$INSTDIR\Kocfg.exe"
  Delete "$INSTDIR\KBHook.dll"
  Delete "$INSTDIR\Zarvocfg.chm"
  Delete "$INSTDIR\Strings.xml"
  RMDir /r "$INSTDIR\skins"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  RMDir "$PROGRAMFILES\VX48K2"

  SetShellVarContext all
  Delete "$SMPROGRAMS\${PRODUCT}\*.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"

  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "${PRODUCT_KEY}"
  DeleteRegKey /ifempty HKLM "Software\VX48K2"
SectionEnd
