; The Windows installer: makensis -INPUTCHARSET UTF8 -DVERSION=1.0.0 -DSTAGE=DIR -DOUTFILE=FILE -DICON=FILE.ico
; carloan.nsi. STAGE holds everything the program needs on a clean Windows (scripts/windows fills
; it). Per-machine under Program Files, a Start-menu entry, an uninstaller that Windows lists;
; /S installs and uninstalls silently. The uninstall key is this installer's upgrade code: a newer
; version (or a rebuild) finds the installed one by it and replaces it in place, in its folder,
; so that Windows lists one entry. The user's quotes and car.ini live in the user's profile and
; are never the installer's.
; A 64-bit installer for a 64-bit program: it sees the 64-bit Program Files and registry.
Target amd64-unicode

!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\carloan"
!define ENTRY "オートローン計算"

Name "${ENTRY}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\carloan"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
Icon "${ICON}"
UninstallIcon "${ICON}"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Function .onInit
    SetRegView 64
    ReadRegStr $0 HKLM "${KEY}" "InstallLocation"
    StrCmp $0 "" +2
    StrCpy $INSTDIR $0
FunctionEnd

Section
    SetShellVarContext all
    ; What the installed version put there goes first, by its own uninstaller run in place (it
    ; waits, and leaves itself), so that no file the new version no longer has lingers.
    IfFileExists "$INSTDIR\uninstall.exe" 0 +3
    ExecWait '"$INSTDIR\uninstall.exe" /S _?=$INSTDIR'
    Delete "$INSTDIR\uninstall.exe"
    SetOutPath "$INSTDIR"
    File /r "${STAGE}\*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortCut "$SMPROGRAMS\${ENTRY}.lnk" "$INSTDIR\carloan.exe" "" "$INSTDIR\carloan.exe" 0
    WriteRegStr HKLM "${KEY}" "DisplayName" "${ENTRY}"
    WriteRegStr HKLM "${KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${KEY}" "Publisher" "carloan"
    WriteRegStr HKLM "${KEY}" "DisplayIcon" "$INSTDIR\carloan.exe,0"
    WriteRegStr HKLM "${KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${KEY}" "NoRepair" 1
SectionEnd

Function un.onInit
    SetRegView 64
FunctionEnd

Section "Uninstall"
    SetShellVarContext all
    Delete "$SMPROGRAMS\${ENTRY}.lnk"
    ; The folder is the installer's own: nothing of the user's is kept in it.
    RMDir /r "$INSTDIR"
    DeleteRegKey HKLM "${KEY}"
SectionEnd
