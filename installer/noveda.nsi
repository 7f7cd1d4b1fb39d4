; The Noveda setup program. scripts/package.sh compiles it:
;   makensis -DVERSION=3.1.0 -DSTAGE=<folder with the files> -DOUTFILE=<setup.exe> noveda.nsi
; Per user by default (no administrator rights), for all users on request
; (the install-mode page, or /AllUsers). Silent: /S [/AllUsers] [/CONTEXTITEM] /D=folder.
Unicode true
SetCompressor /SOLID lzma

!ifndef VERSION | STAGE | OUTFILE
  !error "define VERSION, STAGE and OUTFILE"
!endif

!define PRODUCT "Noveda"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Noveda"
!define SETTINGS_KEY "Software\Kelmon\Noveda"
!define VERBHOOK_CLASS "{5B0E21D4-3C77-4A1E-9F02-6D8A41C3E7B9}"
!define APPROVED_KEY "Software\Microsoft\Windows\CurrentVersion\Shell Extensions\Approved"
!define HANDLER_KEY "Software\Classes\*\shellex\ContextMenuHandlers\Noveda"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_DEFAULT_CURRENTUSER
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUCT}"
; An upgrade goes where the installed version is, in its mode.
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallMode"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh
!include x64.nsh

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${PRODUCT} setup"
VIAddVersionKey "LegalCopyright" "The Noveda developers"

!define MUI_ICON "${STAGE}\noveda.ico"
!define MUI_UNICON "${STAGE}\noveda.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\noveda.exe"
!insertmacro MUI_PAGE_LICENSE "${STAGE}\readme.txt"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Russian"

; The shell extension's registration, in the registry view in effect.
!macro RegisterVerbhook DLL
  WriteRegStr SHCTX "Software\Classes\CLSID\${VERBHOOK_CLASS}" "" "${PRODUCT}"
  WriteRegStr SHCTX "Software\Classes\CLSID\${VERBHOOK_CLASS}\InProcServer32" "" "${DLL}"
  WriteRegStr SHCTX "Software\Classes\CLSID\${VERBHOOK_CLASS}\InProcServer32" "ThreadingModel" "Apartment"
  WriteRegStr SHCTX "${APPROVED_KEY}" "${VERBHOOK_CLASS}" "${PRODUCT}"
  WriteRegStr SHCTX "${HANDLER_KEY}" "" "${VERBHOOK_CLASS}"
!macroend
!macro UnregisterVerbhook
  DeleteRegKey SHCTX "Software\Classes\CLSID\${VERBHOOK_CLASS}"
  DeleteRegValue SHCTX "${APPROVED_KEY}" "${VERBHOOK_CLASS}"
  DeleteRegKey SHCTX "${HANDLER_KEY}"
!macroend

Section "${PRODUCT}" SectionProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "${STAGE}\noveda.exe"
  File "${STAGE}\find.exe"
  File "${STAGE}\launcher.exe"
  File "${STAGE}\Verbhook.dll"
  File "${STAGE}\noveda.chm"
  File "${STAGE}\readme.txt"
  File "${STAGE}\russian.lng"
  File "${STAGE}\russian.kbd"
  File "${STAGE}\gost.ttb"
  File "${STAGE}\html.lib"
  SetOutPath "$INSTDIR\highlight"
  File "${STAGE}\highlight\*.hgh"
  SetOutPath "$INSTDIR\x64"
  File "${STAGE}\x64\Verbhook.dll"
  SetOutPath "$INSTDIR"

  ; The program the shell extension and the launcher start.
  WriteRegStr HKCU "${SETTINGS_KEY}\General" "ExecPath" "$INSTDIR\noveda.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\noveda.exe"

  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "The Noveda developers"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$\"$INSTDIR\noveda.exe$\",0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallMode" "$MultiUser.InstallMode"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" "$\"$INSTDIR\uninstall.exe$\" /$MultiUser.InstallMode"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" "$\"$INSTDIR\uninstall.exe$\" /$MultiUser.InstallMode /S"
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "$\"Open with Noveda$\" in the Explorer menu" SectionContextItem
  ; 64-bit Explorer loads only the 64-bit handler; 32-bit programs' dialogs the 32-bit one.
  ${If} ${RunningX64}
    SetRegView 64
    !insertmacro RegisterVerbhook "$INSTDIR\x64\Verbhook.dll"
    SetRegView 32
  ${EndIf}
  !insertmacro RegisterVerbhook "$INSTDIR\Verbhook.dll"
SectionEnd

Function .onInit
  !insertmacro MULTIUSER_INIT
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/CONTEXTITEM" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SectionContextItem}
  ${EndIf}
FunctionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "Uninstall"
  ${If} ${RunningX64}
    SetRegView 64
    !insertmacro UnregisterVerbhook
    SetRegView 32
  ${EndIf}
  !insertmacro UnregisterVerbhook

  Delete "$INSTDIR\noveda.exe"
  Delete "$INSTDIR\find.exe"
  Delete "$INSTDIR\launcher.exe"
  Delete "$INSTDIR\Verbhook.dll"
  Delete "$INSTDIR\noveda.chm"
  Delete "$INSTDIR\readme.txt"
  Delete "$INSTDIR\russian.lng"
  Delete "$INSTDIR\russian.kbd"
  Delete "$INSTDIR\gost.ttb"
  Delete "$INSTDIR\html.lib"
  Delete "$INSTDIR\highlight\*.hgh"
  RMDir "$INSTDIR\highlight"
  Delete "$INSTDIR\x64\Verbhook.dll"
  RMDir "$INSTDIR\x64"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  DeleteRegValue HKCU "${SETTINGS_KEY}\General" "ExecPath"

  ; The settings and the favorites stay unless the user wants them gone.
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVESETTINGS" $1
  ${If} ${Errors}
    MessageBox MB_YESNO|MB_ICONQUESTION "Remove your Noveda settings and favorites too?" /SD IDNO IDNO keep
  ${EndIf}
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKCU "Software\Kelmon"
  Delete "$INSTDIR\favorite.dat"
keep:
  Delete "$INSTDIR\uninstall.exe"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  RMDir "$INSTDIR"
SectionEnd
