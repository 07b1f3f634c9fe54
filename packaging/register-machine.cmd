@echo off
rem Registers OrvaneSuite.dll for every user of this computer (run as administrator).
rem On 64-bit Windows both the 64-bit and the 32-bit library are registered.
rem Set ORVANE_SKIP_X86=1 to leave the 32-bit library out.
setlocal
set here=%~dp0
set status=0
if exist "%SystemRoot%\SysWOW64\regsvr32.exe" (
  "%SystemRoot%\System32\regsvr32.exe" /s "%here%bin\x64\OrvaneSuite.dll" || set status=1
  if exist "%here%bin\x86\OrvaneSuite.dll" if /i not "%ORVANE_SKIP_X86%"=="1" "%SystemRoot%\SysWOW64\regsvr32.exe" /s "%here%bin\x86\OrvaneSuite.dll" || set status=1
) else (
  "%SystemRoot%\System32\regsvr32.exe" /s "%here%bin\x86\OrvaneSuite.dll" || set status=1
)
if %status%==0 (echo OrvaneSuite registered for all users.) else (echo Registration failed.)
exit /b %status%
