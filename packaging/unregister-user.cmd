@echo off
rem Removes the per-user registration of OrvaneSuite.dll (no administrator needed).
rem On 64-bit Windows the 64-bit library (bin\x64) and the 32-bit one (bin\x86)
rem are both handled; set ORVANE_SKIP_X86=1 to leave the 32-bit library out.
rem (Each exit code is tested on its own line: some command interpreters get
rem "||" wrong after a program.)
setlocal
set here=%~dp0
set status=0
set arch=%PROCESSOR_ARCHITECTURE%
if defined PROCESSOR_ARCHITEW6432 set arch=%PROCESSOR_ARCHITEW6432%
if /i "%arch%"=="x86" (
  "%SystemRoot%\System32\regsvr32.exe" /u /s /n /i:user "%here%bin\x86\OrvaneSuite.dll"
  if errorlevel 1 set status=1
  goto done
)
"%SystemRoot%\System32\regsvr32.exe" /u /s /n /i:user "%here%bin\x64\OrvaneSuite.dll"
if errorlevel 1 set status=1
if "%ORVANE_SKIP_X86%"=="1" goto done
rem A 64-bit system without its 32-bit subsystem has no 32-bit library to serve.
if not exist "%SystemRoot%\SysWOW64\regsvr32.exe" goto done
"%SystemRoot%\SysWOW64\regsvr32.exe" /u /s /n /i:user "%here%bin\x86\OrvaneSuite.dll"
if errorlevel 1 set status=1
:done
if %status%==0 (echo OrvaneSuite unregistered for the current user.) else (echo Removal failed.)
exit /b %status%
