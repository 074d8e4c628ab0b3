; Setup for Tuvo HueSnap: a per-user install (no administrator rights) under the
; user's programs folder, with a Start-menu shortcut, an entry in the list of
; installed programs and, as an option, a start with Windows.
;
; The build runs makensis on it (cmake/Installer.cmake) with these defines:
;   VERSION  the product version, three numbers
;   PROGRAM  the stripped HueSnap.exe to ship
;   ICON     the program's icon
;   OUTFILE  the setup program to write
;
; Command line, besides NSIS's own /S (silent) and /D=<folder> (last, unquoted):
;   /StartOnBoot     start Tuvo HueSnap with Windows ("Start on System Boot" ticked)
;   /StartOnBoot=0   do not (the option cleared)
; Without either, an update keeps the choice of the install it replaces; a
; first install leaves the option off.
;
; Running setup over an install updates it: a running copy is asked to close
; (and started again after a silent update), the new files are written beside
; the old ones and only then put in their place. Another folder than the
; earlier install's moves the install there. NSIS itself replaces a /D= folder
; that cannot be one (a file in its path) with the earlier install's folder.
;
; Exit codes: 0 installed; 1 cancelled by the user; 2 stopped by an error;
; 3 the installed program did not close (or another program holds its file);
; 4 the folder could not be written (full disk, no rights, a file in the way). After 2, 3 or 4 an earlier install in the
; folder is the one that was there before, unchanged.

; Debian's makensis builds 32-bit installers unless told otherwise; the program
; is 64-bit, and so is its setup (which also runs where 32-bit code cannot).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinMessages.nsh
!include Sections.nsh

!define PRODUCT "Tuvo HueSnap"
!define PUBLISHER "Tuvo"
!define EXE "HueSnap.exe"
!define UNINSTALLER "Uninstall.exe"
; The program's own key: its settings and the first-start flag "Silent".
!define SETTINGS_KEY "Software\Tuvo\Tuvo HueSnap"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tuvo HueSnap"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "Tuvo HueSnap"
; Every window of the program is of this class, and the main window is the only
; one whose title starts with the product name (in every language; the version
; window keeps clear of such a title). It holds the notification icon too.
!define WINDOW_CLASS "NivoWindowClass"
!define CLOSE_WAIT_MS 10000
!define SYNCHRONIZE 0x00100000
!define PROCESS_QUERY_AND_READ 0x0410
!define EXIT_NOT_CLOSED 3
!define EXIT_NOT_WRITTEN 4

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails show

Var closedCopy  ; 1 when setup closed a running copy of the program
Var writingFiles  ; 1 while the new files are written beside the old ones
Var earlierFolder  ; where the install this one replaces is, or ""

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE DirectoryLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright (C) ${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "OriginalFilename" "HueSnap-${VERSION}-setup.exe"

; The option's words are the language pack's (entry 609500).
LangString StartOnBootName ${LANG_ENGLISH} "Start on System Boot"
LangString FolderNotWritable ${LANG_ENGLISH} "Setup cannot write to the folder$\r$\n$INSTDIR$\r$\n$\r$\nChoose a folder you may write to, or free some disk space."
LangString FilesNotWritten ${LANG_ENGLISH} "Setup could not write Tuvo HueSnap to$\r$\n$INSTDIR$\r$\n$\r$\nThe disk may be full or the folder read-only. Nothing installed there was changed."
LangString ProgramStillRunning ${LANG_ENGLISH} "Tuvo HueSnap in$\r$\n$INSTDIR$\r$\nis still running, or another program holds its file.$\r$\n$\r$\nClose it (right-click its window or its notification icon, then Exit) and choose Retry."
LangString KeepSettingsQuestion ${LANG_ENGLISH} "Also delete your Tuvo HueSnap settings (skin, language, colours and window position)?"

; Stops setup with a message (shown unless silent) and an exit code.
!macro FailWith code message
  SetErrorLevel ${code}
  MessageBox MB_OK|MB_ICONSTOP "${message}" /SD IDOK
  Abort
!macroend

; Installer and uninstaller each need these; an uninstaller's functions carry
; the "un." prefix.
!macro RunningCopyFunctions UN
; $R0: in, the window to search after (0: from the first); out, the next
; top-level window of the copy installed in $INSTDIR, or 0.
Function ${UN}NextProgramWindow
  Push $1
  Push $2
  Push $3
  Push $4
  StrLen $3 "${PRODUCT}"
  StrCpy $1 "$INSTDIR\${EXE}"
  Call ${UN}LongPath
  StrCpy $4 $1
  ${Do}
    FindWindow $R0 "${WINDOW_CLASS}" "" "" $R0
    ${If} $R0 == 0
      ${Break}
    ${EndIf}
    System::Call 'user32::GetWindowTextW(p R0, w .r1, i ${NSIS_MAX_STRLEN}) i'
    StrCpy $2 $1 $3
    ${If} $2 == "${PRODUCT}"
      Call ${UN}ProcessPathOfWindow
      Call ${UN}LongPath
      ; A copy started from another folder (a portable one) is left alone.
      ${If} $1 == $4
        ${Break}
      ${EndIf}
    ${EndIf}
  ${Loop}
  Pop $4
  Pop $3
  Pop $2
  Pop $1
FunctionEnd

; $1: a path, in and out: its long form when it exists (paths compare
; case-blind, but a short 8.3 name would still differ).
Function ${UN}LongPath
  Push $2
  Push $3
  System::Call 'kernel32::GetLongPathNameW(w r1, w .r2, i ${NSIS_MAX_STRLEN}) i .r3'
  ${If} $3 > 0
  ${AndIf} $3 < ${NSIS_MAX_STRLEN}
    StrCpy $1 $2
  ${EndIf}
  Pop $3
  Pop $2
FunctionEnd

; $R0: a window; $1 out: the full path of its process's program, or "".
Function ${UN}ProcessPathOfWindow
  Push $2
  Push $3
  StrCpy $1 ""
  System::Call 'user32::GetWindowThreadProcessId(p R0, *i 0 r2) i'
  System::Call 'kernel32::OpenProcess(i ${PROCESS_QUERY_AND_READ}, i 0, i r2) p .r3'
  ${If} $3 != 0
    System::Call 'psapi::GetModuleFileNameExW(p r3, p 0, w .r1, i ${NSIS_MAX_STRLEN}) i'
    System::Call 'kernel32::CloseHandle(p r3)'
  ${EndIf}
  Pop $3
  Pop $2
FunctionEnd

; Asks each running copy of the installed program to close, as its own close
; button would, and waits a bounded time for each to end.
; $R9 out: 1 when every copy ended (or none ran), 0 when one is still there.
Function ${UN}CloseRunningCopies
  Push $R0
  Push $2
  Push $3
  Push $4
  StrCpy $R9 1
  StrCpy $R0 0
  ${Do}
    Call ${UN}NextProgramWindow
    ${If} $R0 == 0
      ${Break}
    ${EndIf}
    DetailPrint "Closing ${PRODUCT}..."
    StrCpy $closedCopy 1
    System::Call 'user32::GetWindowThreadProcessId(p R0, *i 0 r2) i'
    ; Opened before the close is asked for, so the handle outlives the process.
    System::Call 'kernel32::OpenProcess(i ${SYNCHRONIZE}, i 0, i r2) p .r3'
    System::Call 'user32::PostMessageW(p R0, i ${WM_CLOSE}, p 0, p 0) i'
    StrCpy $4 258  ; WAIT_TIMEOUT
    ${If} $3 != 0
      System::Call 'kernel32::WaitForSingleObject(p r3, i ${CLOSE_WAIT_MS}) i .r4'
      System::Call 'kernel32::CloseHandle(p r3)'
    ${EndIf}
    ${If} $4 != 0  ; not WAIT_OBJECT_0: the copy refused, hung or could not be watched
      StrCpy $R9 0
      ${Break}
    ${EndIf}
    ; The ended copy's windows are gone: search again from the first.
    StrCpy $R0 0
  ${Loop}
  Pop $4
  Pop $3
  Pop $2
  Pop $R0
FunctionEnd

; $R9 out: 1 when HueSnap.exe in $INSTDIR is missing or may be replaced. A
; running program's file cannot be opened for writing, whatever its windows.
Function ${UN}ProgramFileFree
  Push $0
  StrCpy $R9 1
  ${If} ${FileExists} "$INSTDIR\${EXE}"
    ; A read-only copy (from a CD, say) is no running one.
    SetFileAttributes "$INSTDIR\${EXE}" NORMAL
    ClearErrors
    FileOpen $0 "$INSTDIR\${EXE}" a
    ${If} ${Errors}
      StrCpy $R9 0
    ${Else}
      FileClose $0
    ${EndIf}
  ${EndIf}
  Pop $0
FunctionEnd

; Closes the installed program, or tells the user it is still running (silent:
; stops with EXIT_NOT_CLOSED). Nothing has been changed when it stops.
Function ${UN}MakeSureProgramIsClosed
  Push $R9
  Push $0
  ${Do}
    Call ${UN}CloseRunningCopies
    ${If} $R9 == 1
      ; A copy just closed may still be letting go of its file for a moment.
      StrCpy $0 0
      ${Do}
        Call ${UN}ProgramFileFree
        ${If} $R9 == 1
        ${OrIf} $0 >= 30
        ${OrIf} $closedCopy != 1
          ${Break}
        ${EndIf}
        Sleep 100
        IntOp $0 $0 + 1
      ${Loop}
    ${EndIf}
    ${If} $R9 == 1
      ${Break}
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(ProgramStillRunning)" /SD IDCANCEL IDRETRY retry
    SetErrorLevel ${EXIT_NOT_CLOSED}
    Abort
    retry:
  ${Loop}
  Pop $0
  Pop $R9
FunctionEnd
!macroend

!insertmacro RunningCopyFunctions ""
!insertmacro RunningCopyFunctions "un."

; $R9 out: 1 when $INSTDIR exists (it is made if missing) and takes a new file.
Function FolderWritable
  Push $0
  StrCpy $R9 0
  ClearErrors
  CreateDirectory "$INSTDIR"
  ${IfNot} ${Errors}
    FileOpen $0 "$INSTDIR\setup-probe.tmp" w
    ${IfNot} ${Errors}
      FileClose $0
      Delete "$INSTDIR\setup-probe.tmp"
      StrCpy $R9 1
    ${EndIf}
  ${EndIf}
  Pop $0
FunctionEnd

; $R9 out: 1 when the folder the user chose exists and takes a new file, or
; could be made: its nearest existing parent takes a new folder. Nothing is
; left on the disk by the check.
Function FolderUsable
  Push $1
  ${If} ${FileExists} "$INSTDIR\*.*"
    Call FolderWritable
  ${Else}
    StrCpy $R9 0
    StrCpy $1 $INSTDIR
    ${Do}
      ${GetParent} $1 $1
      ${If} $1 == ""
      ${OrIf} ${FileExists} "$1\*.*"
        ${Break}
      ${EndIf}
    ${Loop}
    ${If} $1 != ""
      ClearErrors
      CreateDirectory "$1\setup-probe.tmp"
      ${IfNot} ${Errors}
        RMDir "$1\setup-probe.tmp"
        StrCpy $R9 1
      ${EndIf}
    ${EndIf}
  ${EndIf}
  Pop $1
FunctionEnd

Function DirectoryLeave
  Push $R9
  Call FolderUsable
  ${If} $R9 != 1
    MessageBox MB_OK|MB_ICONEXCLAMATION "$(FolderNotWritable)"
    Pop $R9
    Abort  ; stays on the page
  ${EndIf}
  Pop $R9
FunctionEnd

; Renames <name>.new to <name> in $INSTDIR, keeping <name> as <name>.old until
; the new one is in place. $R9 out: 1 done; 0 failed, with <name> as it was.
Function ReplaceWithNew
  Exch $0  ; the file name
  StrCpy $R9 0
  Delete "$INSTDIR\$0.old"
  ClearErrors
  ${If} ${FileExists} "$INSTDIR\$0"
    Rename "$INSTDIR\$0" "$INSTDIR\$0.old"
  ${EndIf}
  ${IfNot} ${Errors}
    Rename "$INSTDIR\$0.new" "$INSTDIR\$0"
    ${If} ${Errors}
      Rename "$INSTDIR\$0.old" "$INSTDIR\$0"
    ${Else}
      Delete "$INSTDIR\$0.old"  ; left for the next setup if it cannot go now
      StrCpy $R9 1
    ${EndIf}
  ${EndIf}
  Pop $0
FunctionEnd

; An install moved to another folder: the earlier folder's program goes (its
; running copy is closed first), so no forgotten copy stays behind. Only a
; folder with our uninstaller in it is touched, and only our files in it.
Function RemoveEarlierInstallElsewhere
  Push $1
  Push $2
  Push $R9
  StrCpy $1 $earlierFolder
  Call LongPath
  StrCpy $2 $1
  StrCpy $1 $INSTDIR
  Call LongPath
  ${If} $earlierFolder != ""
  ${AndIf} $1 != $2
  ${AndIf} ${FileExists} "$earlierFolder\${UNINSTALLER}"
    Push $INSTDIR
    StrCpy $INSTDIR $earlierFolder
    Call CloseRunningCopies
    ClearErrors
    Delete "$INSTDIR\${EXE}"
    ${IfNot} ${Errors}
      Delete "$INSTDIR\${UNINSTALLER}"
      Delete "$INSTDIR\${EXE}.old"
      Delete "$INSTDIR\${UNINSTALLER}.old"
      RMDir "$INSTDIR"
    ${EndIf}
    Pop $INSTDIR
  ${EndIf}
  Pop $R9
  Pop $2
  Pop $1
FunctionEnd

Function RemoveNewFiles
  Delete "$INSTDIR\${EXE}.new"
  Delete "$INSTDIR\${UNINSTALLER}.new"
FunctionEnd

Section "${PRODUCT}" SecProgram
  SectionIn RO
  Call FolderWritable
  ${If} $R9 != 1
    !insertmacro FailWith ${EXIT_NOT_WRITTEN} "$(FolderNotWritable)"
  ${EndIf}
  Call MakeSureProgramIsClosed
  SetOutPath "$INSTDIR"

  ; The new files go beside the installed ones first: a full disk or a locked
  ; folder then fails before anything that works is touched.
  Call RemoveNewFiles
  SetOverwrite try
  ; A write that fails half-way (a full disk) stops setup at once, in NSIS
  ; itself: .onInstFailed then clears up, and this is the exit code.
  SetErrorLevel ${EXIT_NOT_WRITTEN}
  StrCpy $writingFiles 1
  ClearErrors
  File "/oname=${EXE}.new" "${PROGRAM}"
  ${IfNot} ${Errors}
    WriteUninstaller "$INSTDIR\${UNINSTALLER}.new"
  ${EndIf}
  StrCpy $writingFiles 0
  ${If} ${Errors}
    Call RemoveNewFiles
    !insertmacro FailWith ${EXIT_NOT_WRITTEN} "$(FilesNotWritten)"
  ${EndIf}

  ; The uninstaller first: a new one removes an older install just as well.
  Push "${UNINSTALLER}"
  Call ReplaceWithNew
  ${If} $R9 == 1
    Push "${EXE}"
    Call ReplaceWithNew
  ${EndIf}
  ${If} $R9 != 1
    Call RemoveNewFiles
    !insertmacro FailWith ${EXIT_NOT_WRITTEN} "$(FilesNotWritten)"
  ${EndIf}
  SetErrorLevel 0
  Call RemoveEarlierInstallElsewhere

  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0

  ; Nobody saw setup: the program's first start opens its web page once.
  ${If} ${Silent}
    WriteRegDWORD HKCU "${SETTINGS_KEY}" "Silent" 1
  ${EndIf}
SectionEnd

Section /o "$(StartOnBootName)" SecStartOnBoot
  WriteRegStr HKCU "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\${EXE}" -startup'
SectionEnd

Section "-Finish"
  ${IfNot} ${SectionIsSelected} ${SecStartOnBoot}
    DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  ${EndIf}
  ; A silent update gives back the program it closed; with pages, the finish
  ; page offers to start it.
  ${If} ${Silent}
  ${AndIf} $closedCopy == 1
    Exec '"$INSTDIR\${EXE}"'
  ${EndIf}
SectionEnd

Function .onInit
  StrCpy $closedCopy 0
  StrCpy $writingFiles 0
  ReadRegStr $earlierFolder HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ; An update keeps the choice of the install it replaces.
  ClearErrors
  ReadRegStr $0 HKCU "${RUN_KEY}" "${RUN_VALUE}"
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SecStartOnBoot}
  ${EndIf}
  ${GetParameters} $1
  ClearErrors
  ${GetOptions} $1 "/StartOnBoot" $2
  ${IfNot} ${Errors}
    ${If} $2 == "=0"
      !insertmacro UnselectSection ${SecStartOnBoot}
    ${Else}
      !insertmacro SelectSection ${SecStartOnBoot}
    ${EndIf}
  ${EndIf}
FunctionEnd

Function .onInstFailed
  Call RemoveNewFiles
  ${If} $writingFiles == 1
    MessageBox MB_OK|MB_ICONSTOP "$(FilesNotWritten)" /SD IDOK
  ${EndIf}
  RMDir "$INSTDIR"  ; only when empty: a folder setup made and could not fill
FunctionEnd

Section "Uninstall"
  Call un.MakeSureProgramIsClosed
  ClearErrors
  Delete "$INSTDIR\${EXE}"
  ${If} ${Errors}
    SetErrorLevel ${EXIT_NOT_WRITTEN}
    MessageBox MB_OK|MB_ICONSTOP "Tuvo HueSnap could not be removed from $INSTDIR." /SD IDOK
    Abort
  ${EndIf}
  Delete "$INSTDIR\${EXE}.new"
  Delete "$INSTDIR\${EXE}.old"
  Delete "$INSTDIR\${UNINSTALLER}.new"
  Delete "$INSTDIR\${UNINSTALLER}.old"
  Delete "$INSTDIR\${UNINSTALLER}"
  ; Only what setup put there: the folder may hold files of the user's.
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; The settings stay for a later install unless the user says otherwise.
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "$(KeepSettingsQuestion)" /SD IDNO IDNO keepSettings
    DeleteRegKey HKCU "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKCU "Software\Tuvo"
  keepSettings:
SectionEnd

Function un.onInit
  StrCpy $closedCopy 0
FunctionEnd
