; Torvi's own steps in the installer and the uninstaller that CPack writes.

!include LogicLib.nsh
!include FileFunc.nsh

!define TORVI_UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Torvi"

; A running Torvi holds the mutex "TorviRunning". Its files cannot be replaced or removed while it
; runs, so the installer and the uninstaller ask the user to close it first; in silent mode, or
; when the user cancels, they end with status 2, having changed nothing.
!macro TorviCloseFirst
  ${Do}
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "TorviRunning") p .r0'
    ${IfThen} $0 P= 0 ${|} ${Break} ${|}
    System::Call 'kernel32::CloseHandle(p r0)'
    ${If} ${Silent}
    ${OrIf} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Torvi is running. Close it, then choose Retry." IDCANCEL`
      !ifndef __UNINSTALL__
        RMDir "$INSTDIR"  ; the folder just made for a first installation, while still empty
      !endif
      SetErrorLevel 2
      Quit
    ${EndIf}
  ${Loop}
!macroend

; Add/Remove Programs: the size of the installation, where it is, and the command that removes it
; without asking.
!macro TorviRegisterInstallation
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD SHCTX "${TORVI_UNINSTALL_KEY}" "EstimatedSize" "$0"
  WriteRegStr SHCTX "${TORVI_UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${TORVI_UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
!macroend
