; Torvi's own steps in the installer and the uninstaller that CPack writes.

!include LogicLib.nsh
!include FileFunc.nsh

!define TORVI_UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Torvi"
!define TORVI_EXERCISE_CLASS "Software\Classes\Torvi.Exercise"

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

; Exercise files (.torvi) open in Torvi from Explorer, with its icon.
!macro TorviAssociateExercises
  WriteRegStr SHCTX "Software\Classes\.torvi" "" "Torvi.Exercise"
  WriteRegStr SHCTX "${TORVI_EXERCISE_CLASS}" "" "Torvi exercise"
  WriteRegStr SHCTX "${TORVI_EXERCISE_CLASS}\DefaultIcon" "" '"$INSTDIR\bin\torvi.exe",0'
  WriteRegStr SHCTX "${TORVI_EXERCISE_CLASS}\shell\open\command" "" '"$INSTDIR\bin\torvi.exe" "%1"'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'  ; SHCNE_ASSOCCHANGED
!macroend

; The association goes with the program; an extension some other program took since stays its.
!macro TorviForgetExercises
  ReadRegStr $0 SHCTX "Software\Classes\.torvi" ""
  ${If} $0 == "Torvi.Exercise"
    DeleteRegKey SHCTX "Software\Classes\.torvi"
  ${EndIf}
  DeleteRegKey SHCTX "${TORVI_EXERCISE_CLASS}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
!macroend
