; Quillory installer. Built by `make dist` from the 32-bit build; the tests also
; build it for amd64 around the 64-bit build, and install and remove both.
;   makensis -DARCH=x86|amd64 -DBINDIR=<folder with Quillory.exe, Quillory.chm and qlx.exe>
;            -DOUTFILE=<installer path> Quillory.nsi

!ifndef ARCH
  !define ARCH x86
!endif
!ifndef BINDIR
  !error "BINDIR must name the folder that holds Quillory.exe, Quillory.chm and qlx.exe"
!endif
!ifndef OUTFILE
  !define OUTFILE "Quillory-1.1-setup.exe"
!endif

Unicode true
!if ${ARCH} == amd64
  Target amd64-unicode
  !define PROGRAMS_DIR "$PROGRAMFILES64"
!else
  Target x86-unicode
  !define PROGRAMS_DIR "$PROGRAMFILES"
!endif

!define PRODUCT "Quillory"
!define VERSION "1.1"
!define MAKER "Vantorel"
!define PROGID "Quillory.StudyList"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillory"

!include "MUI2.nsh"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "${PROGRAMS_DIR}\${PRODUCT}"
InstallDirRegKey HKLM "Software\${MAKER}\${PRODUCT}" "InstallDir"
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
  SetShellVarContext all
!if ${ARCH} == amd64
  SetRegView 64
!endif
FunctionEnd

Function un.onInit
  SetShellVarContext all
!if ${ARCH} == amd64
  SetRegView 64
!endif
FunctionEnd

; Tells Explorer that file associations changed, so .qlx files show the new icon at once.
!macro NotifyAssociationsChanged
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
!macroend

Section "Quillory" SecMain
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "${BINDIR}\Quillory.exe"
  File "${BINDIR}\Quillory.chm"
  File "${BINDIR}\qlx.exe"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\Quillory.exe" "" "$INSTDIR\Quillory.exe" 0
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\Uninstall.exe"

  WriteRegStr HKLM "Software\${MAKER}\${PRODUCT}" "InstallDir" "$INSTDIR"

  ; The path is passed in quotes: the program removes them itself.
  WriteRegStr HKCR ".qlx" "" "${PROGID}"
  WriteRegStr HKCR "${PROGID}" "" "Quillory Study List"
  WriteRegStr HKCR "${PROGID}\DefaultIcon" "" "$INSTDIR\Quillory.exe,0"
  WriteRegStr HKCR "${PROGID}\shell\open\command" "" '"$INSTDIR\Quillory.exe" "%1"'

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} ${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${MAKER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Quillory.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1

  !insertmacro NotifyAssociationsChanged
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"

  ; Only take the association back if it is still ours.
  ReadRegStr $0 HKCR ".qlx" ""
  StrCmp $0 "${PROGID}" 0 +2
    DeleteRegKey HKCR ".qlx"
  DeleteRegKey HKCR "${PROGID}"
  !insertmacro NotifyAssociationsChanged

  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "Software\${MAKER}\${PRODUCT}"
  DeleteRegKey /ifempty HKLM "Software\${MAKER}"

  ; The program folder goes last: once it is gone, everything else is.
  Delete "$INSTDIR\Quillory.exe"
  Delete "$INSTDIR\Quillory.chm"
  Delete "$INSTDIR\qlx.exe"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
