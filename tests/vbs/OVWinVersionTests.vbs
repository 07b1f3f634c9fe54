' OVWinVersion from a script client, under several Windows versions configured in
' the Wine prefix. Wine reads the setting when a process starts, so each version is
' checked by a child script. The setting is made for cscript.exe alone, so other
' programs sharing the prefix meanwhile are not affected, and it is restored whatever
' the children do.
Plan 10

Set sh = CreateObject("WScript.Shell")
Set fso = CreateObject("Scripting.FileSystemObject")
Const versionKey = "HKCU\Software\Wine\AppDefaults\cscript.exe"
Const versionValue = "HKCU\Software\Wine\AppDefaults\cscript.exe\Version"

Set v = CreateObject("TVOrvaneSuite.OVWinVersion")
eq TypeName(v.MajorVersion), "Long", "MajorVersion subtype"
eq TypeName(v.IsWindowsXP), "Boolean", "test subtype"
ok v.OperatingPlatform = "Windows NT/2K/XP", "an NT platform"
trueTests = 0
For Each t In Array(v.IsWindows32, v.IsWindows95, v.IsWindows98, v.IsWindowsME, v.IsWindowsNT, v.IsWindows2K, v.IsWindowsXP)
    If t Then trueTests = trueTests + 1
Next
eq trueTests, 1, "exactly one system test is True"
ok Len(v.ExtraInfo) <= 3, "ExtraInfo is at most three characters"

' The child compares a new control with the numbers the configured version reports.
child = fso.BuildPath(fso.GetSpecialFolder(2), "OVWinVersionChild.vbs")
Set f = fso.CreateTextFile(child, True)
f.WriteLine "Set a = WScript.Arguments"
f.WriteLine "Set v = CreateObject(""TVOrvaneSuite.OVWinVersion"")"
f.WriteLine "code = 100"
f.WriteLine "If v.MajorVersion <> CLng(a(0)) Or v.MinorVersion <> CLng(a(1)) Or v.BuildNumber <> CLng(a(2)) Then code = 1"
f.WriteLine "If v.OperatingSystem <> a(3) Or v.ExtraInfo <> a(4) Then code = code + 2"
f.WriteLine "If v.IsWindowsXP <> (a(3) = ""Windows XP"") Or v.IsWindows2K <> (a(3) = ""Windows 2K"") Then code = code + 4"
f.WriteLine "If v.IsWindows32 <> (a(3) = ""Windows 32"") Then code = code + 8"
f.WriteLine "WScript.Quit code"
f.Close

On Error Resume Next
original = sh.RegRead(versionValue)
hadOriginal = (Err.Number = 0)
Err.Clear
On Error Goto 0

' Under On Error Resume Next a failing write or run leaves the child's code at -1 and
' the check fails, but the restore below still runs.
Function runUnder(setting, expected)
    On Error Resume Next
    runUnder = -1
    sh.RegWrite versionValue, setting, "REG_SZ"
    If Err.Number = 0 Then runUnder = sh.Run("cscript //nologo """ & child & """ " & expected, 0, True)
    Err.Clear
End Function

On Error Resume Next
codeXP = runUnder("winxp", "5 1 2600 ""Windows XP"" Ser")
code2K = runUnder("win2k", "5 0 2195 ""Windows 2K"" Ser")
code7 = runUnder("win7", "6 1 7601 ""Windows 32"" Ser")
If hadOriginal Then
    sh.RegWrite versionValue, original, "REG_SZ"
Else
    sh.Run "reg delete """ & versionKey & """ /v Version /f", 0, True
End If
Err.Clear
eq codeXP, CLng(100), "Windows XP (child exit code)"
eq code2K, CLng(100), "Windows 2000 (child exit code)"
eq code7, CLng(100), "Windows 7 (child exit code)"

restored = sh.RegRead(versionValue)
If hadOriginal Then
    eq restored, original, "setting restored"
Else
    raisedAny "setting removed again"
End If
Err.Clear
fso.DeleteFile child
x = v.NoSuchMember
raised 438, "", "unknown member"
On Error Goto 0

Finish
