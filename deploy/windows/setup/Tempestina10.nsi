; The Windows setup of Tempestina10: a per-user install, no administrator rights, in Italian.
; makensis -DVERSION=x.y -DVERSION_BINARY=x.y.z.w -DLISTS=<folder of install_files.nsh and uninstall_files.nsh>
;          -DLISTA=<starting lista.txt> -DICON=<Tempestina10.ico> -DOUTFILE=<setup.exe>
; The deadlines (Archivio.DAT) and the types (lista.txt) are the user's: the setup writes
; lista.txt only where there is none, and neither it nor the uninstaller touches them again.
Unicode true
; The programs are 64-bit anyway, and Debian's 64-bit-only Wine runs no 32-bit stub.
Target amd64-unicode
; A quicker one for a setup made only to be tested.
!ifndef COMPRESSOR
    !define COMPRESSOR "/SOLID lzma"
!endif
SetCompressor ${COMPRESSOR}
RequestExecutionLevel user
ManifestDPIAware true

!define NAME "Tempestina10"
!define PUBLISHER "Tempestina10"
!define UNINSTALLER "Disinstalla.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${NAME}"
; The shortcuts Pontilo writes, with the same file names: a later Pontilo replaces them.
!define STARTUP_LINK "$SMSTARTUP\${NAME}.lnk"
!define PROGRAMS_LINK "$SMPROGRAMS\${NAME}.lnk"

Name "${NAME} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${NAME}"
BrandingText "${NAME} ${VERSION}"

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\${NAME}.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Italian"

VIProductVersion "${VERSION_BINARY}"
VIAddVersionKey /LANG=${LANG_ITALIAN} ProductName "${NAME}"
VIAddVersionKey /LANG=${LANG_ITALIAN} ProductVersion "${VERSION}"
VIAddVersionKey /LANG=${LANG_ITALIAN} FileVersion "${VERSION}"
VIAddVersionKey /LANG=${LANG_ITALIAN} FileDescription "Installazione di ${NAME} ${VERSION}"
VIAddVersionKey /LANG=${LANG_ITALIAN} LegalCopyright "${PUBLISHER}"

; A program of the folder that runs cannot be opened for writing: replacing the files now would
; leave the folder half old, half new. Asks until the user closes it or gives up; a silent run
; gives up at once, having changed nothing.
!macro FIND_RUNNING FILE
    ${If} $0 == ""
    ${AndIf} ${FileExists} "$INSTDIR\${FILE}"
        ClearErrors
        FileOpen $1 "$INSTDIR\${FILE}" a
        ${If} ${Errors}
            StrCpy $0 "${FILE}"
        ${Else}
            FileClose $1
        ${EndIf}
    ${EndIf}
!macroend
!macro WAIT_FOR_CLOSED_PROGRAMS
    ${Do}
        StrCpy $0 ""
        !insertmacro FIND_RUNNING "${NAME}.exe"
        !insertmacro FIND_RUNNING "Pontilo.exe"
        ${If} $0 == ""
            ${Break}
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
            "$0 è in esecuzione dalla cartella $INSTDIR.$\r$\nChiudilo e premi Riprova." \
            /SD IDCANCEL IDRETRY retry
        SetErrorLevel 3
        Quit
        retry:
    ${Loop}
!macroend

Function .onInit
    SetShellVarContext current
    !insertmacro WAIT_FOR_CLOSED_PROGRAMS
FunctionEnd

Function un.onInit
    SetShellVarContext current
    !insertmacro WAIT_FOR_CLOSED_PROGRAMS
FunctionEnd

Section "Tempestina10"
    ; An earlier install goes first, by its own list, so that no file of it stays behind; its
    ; uninstaller keeps the user's files as this one does.
    ${If} ${FileExists} "$INSTDIR\${UNINSTALLER}"
        ExecWait '"$INSTDIR\${UNINSTALLER}" /S _?=$INSTDIR' $0
        ${If} $0 != 0
            MessageBox MB_OK|MB_ICONSTOP "Non è stato possibile rimuovere la versione installata in $INSTDIR." /SD IDOK
            SetErrorLevel 4
            Abort
        ${EndIf}
    ${EndIf}
    !include "${LISTS}\install_files.nsh"
    SetOutPath "$INSTDIR"
    ${IfNot} ${FileExists} "$INSTDIR\lista.txt"
        File "/oname=lista.txt" "${LISTA}"
    ${EndIf}
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"

    ; The working folder of a shortcut is the output folder: the install folder, as Pontilo's.
    SetOutPath "$INSTDIR"
    CreateShortcut "${STARTUP_LINK}" "$INSTDIR\${NAME}.exe" "" "" 0 SW_SHOWNORMAL "" "Coll"
    CreateShortcut "${PROGRAMS_LINK}" "$INSTDIR\${NAME}.exe" "" "" 0 SW_SHOWNORMAL "" "Coll"

    WriteRegStr HKCU "${UNINSTALL_KEY}" DisplayName "${NAME}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" DisplayVersion "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" DisplayIcon "$INSTDIR\${NAME}.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" Publisher "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" InstallLocation "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" UninstallString '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" QuietUninstallString '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" NoModify 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" NoRepair 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" EstimatedSize $0
SectionEnd

Section "Uninstall"
    !include "${LISTS}\uninstall_files.nsh"
    Delete "$INSTDIR\${UNINSTALLER}"
    Delete "${STARTUP_LINK}"
    Delete "${PROGRAMS_LINK}"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    ; Gone only when empty: the user's files keep it.
    RMDir "$INSTDIR"
    StrCpy $0 ""
    ${If} ${FileExists} "$INSTDIR\Archivio.DAT"
        StrCpy $0 "$0$\r$\n$INSTDIR\Archivio.DAT (le scadenze)"
    ${EndIf}
    ${If} ${FileExists} "$INSTDIR\lista.txt"
        StrCpy $0 "$0$\r$\n$INSTDIR\lista.txt (i tipi di scadenza)"
    ${EndIf}
    ${If} $0 != ""
        DetailPrint "I tuoi dati restano in $INSTDIR"
        MessageBox MB_OK|MB_ICONINFORMATION \
            "${NAME} è stato disinstallato. I tuoi dati restano dove erano:$0" /SD IDOK
    ${EndIf}
SectionEnd
