' OVWinVersion from a script client, under several Windows versions configured in
' the Wine prefix. Wine reads the setting when a process starts, so each version is
' checked by a child script; the original setting is restored at the end.

Set sh = CreateObject("WScript.Shell")
Set fso = CreateObject("Scripting.FileSystemObject")
Const versionValue = "HKCU\Software\Wine\Version"

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

Sub checkUnder(setting, expected, message)
    sh.RegWrite versionValue, setting, "REG_SZ"
    code = sh.Run("cscript //nologo """ & child & """ " & expected, 0, True)
    eq code, CLng(100), message & " (child exit code)"
End Sub

checkUnder "winxp", "5 1 2600 ""Windows XP"" Ser", "Windows XP"
checkUnder "win2k", "5 0 2195 ""Windows 2K"" Ser", "Windows 2000"
checkUnder "win7", "6 1 7601 ""Windows 32"" Ser", "Windows 7"

If hadOriginal Then
    sh.RegWrite versionValue, original, "REG_SZ"
Else
    sh.Run "reg delete ""HKCU\Software\Wine"" /v Version /f", 0, True
End If
On Error Resume Next
restored = sh.RegRead(versionValue)
If hadOriginal Then
    eq restored, original, "setting restored"
Else
    ok Err.Number <> 0, "setting removed again"
End If
Err.Clear
fso.DeleteFile child
x = v.NoSuchMember
raised 438, "", "unknown member"
On Error Goto 0

Finish
