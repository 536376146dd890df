; The Tockly installer. makensis is given, with -D:
;   STAGE    the folder that holds the program as it is installed (Tockly.exe, language, data, ...)
;   ICON     the program's icon, made by the build
;   OUTFILE  the installer to write
;   STAGE_LIST  a script of Delete and RMDir lines for every staged file and folder, deepest first
;
; It installs for the current user (%LOCALAPPDATA%\Programs\Tockly) or for all users
; (Program Files\Tockly); silent installs take /CurrentUser or /AllUsers, and /AUTOSTART to start
; Tockly with Windows. The uninstaller keeps the user's tasks and settings unless asked (the
; component on its page, or /REMOVEDATA when silent).

Unicode true
Target amd64-unicode
ManifestSupportedOS all
ManifestDPIAware true
SetCompressor /SOLID lzma
; The installed files get the time stored with them: the build gives them the last commit's time.
SetDateSave on

!define APP_NAME "Tockly"
!define APP_VERSION "1.0.0"
!define PUBLISHER "Brackenfold Software"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tockly"
; Exactly where and how Tockly itself writes its autostart value.
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "Tockly"
; The window by which a running Tockly is known.
!define INSTANCE_MARKER "_oneInstanceWindow_Tockly_1.0.0"

Name "${APP_NAME}"
OutFile "${OUTFILE}"
BrandingText "${APP_NAME} ${APP_VERSION}"

VIProductVersion "1.0.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "${APP_NAME}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${APP_VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${APP_VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${APP_NAME} Setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) ${PUBLISHER}"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${APP_NAME}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!include MultiUser.nsh
!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include x64.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC

!insertmacro MUI_PAGE_WELCOME
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; Waits while Tockly runs: its files cannot be replaced or removed then. Silent runs give up.
!macro WAIT_FOR_TOCKLY_TO_END
    ${Do}
        FindWindow $0 "" "${INSTANCE_MARKER}"
        ${If} $0 == 0
            ${Break}
        ${EndIf}
        ${If} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Tockly is running. Close it (Exit in its tray menu), then press Retry." /SD IDCANCEL IDCANCEL`
            Abort "Tockly is running."
        ${EndIf}
    ${Loop}
!macroend

Section "Tockly" SectionProgram
    SectionIn RO
    !insertmacro WAIT_FOR_TOCKLY_TO_END
    SetOutPath "$INSTDIR"
    File /r "${STAGE}\*"
    WriteUninstaller "$INSTDIR\Uninstall.exe"

    ; The Start-menu shortcut of the install's users: $SMPROGRAMS follows the install mode.
    CreateShortcut "$SMPROGRAMS\Tockly.lnk" "$INSTDIR\Tockly.exe" "" "$INSTDIR\Tockly.exe" 0

    ; "Apps and features": SHCTX is HKLM for all users, HKCU for the current user.
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${APP_NAME}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${APP_VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\Tockly.exe",0'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" \
        '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" \
        '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    IntFmt $0 "0x%08X" $0
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

; Off unless chosen: the same value, quoted the same way, as Tockly's own setting writes.
Section /o "Start Tockly with Windows" SectionAutostart
    WriteRegStr HKCU "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\Tockly.exe"'
SectionEnd

Function .onInit
    ${IfNot} ${RunningX64}
        MessageBox MB_OK|MB_ICONSTOP "Tockly needs a 64-bit version of Windows." /SD IDOK
        Abort
    ${EndIf}
    !insertmacro MULTIUSER_INIT
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/AUTOSTART" $1
    ${IfNot} ${Errors}
        SectionSetFlags ${SectionAutostart} ${SF_SELECTED}
    ${EndIf}
FunctionEnd

Section "un.Tockly" SectionUninstallProgram
    SectionIn RO
    !insertmacro WAIT_FOR_TOCKLY_TO_END
    ; Every file the installer put there, by name: nothing else in the folder is touched.
    !include "${STAGE_LIST}"
    Delete "$INSTDIR\Uninstall.exe"

    Delete "$SMPROGRAMS\Tockly.lnk"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    ; The value of this install only: another copy of Tockly may have set its own path.
    ReadRegStr $0 HKCU "${RUN_KEY}" "${RUN_VALUE}"
    ${If} $0 == '"$INSTDIR\Tockly.exe"'
        DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
    ${EndIf}
SectionEnd

; The tasks, settings and widgets' state of the user who uninstalls.
Section /o "un.Remove my tasks and settings" SectionUninstallData
    SetShellVarContext current
    RMDir /r "$LOCALAPPDATA\Tockly"
SectionEnd

; The program's folder goes last, so that its going tells that the uninstaller is done.
Section "-un.Program folder"
    RMDir "$INSTDIR"
SectionEnd

Function un.onInit
    !insertmacro MULTIUSER_UNINIT
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/REMOVEDATA" $1
    ${IfNot} ${Errors}
        SectionSetFlags ${SectionUninstallData} ${SF_SELECTED}
    ${EndIf}
FunctionEnd
