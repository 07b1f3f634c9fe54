' OVHyperLink from a script client: what reaches the shell, read back from the
' recorder program the test registers as the handler of http, https and mailto.

Plan 9

Set sh = CreateObject("WScript.Shell")
Set fso = CreateObject("Scripting.FileSystemObject")
buildDir = fso.GetParentFolderName(fso.GetParentFolderName(WScript.ScriptFullName))
recorder = buildDir & "\tests\ShellRecorder.exe"
ok fso.FileExists(recorder), "the recorder is built"
logFile = fso.GetSpecialFolder(2).Path & "\orvane-hyperlink-vbs.log"
If fso.FileExists(logFile) Then fso.DeleteFile logFile

schemes = Array("http", "https", "mailto")
saved = Array("", "", "")
For i = 0 To 2
    key = "HKLM\Software\Classes\" & schemes(i) & "\shell\open\command\"
    On Error Resume Next
    saved(i) = sh.RegRead(key)
    On Error GoTo 0
    sh.RegWrite key, """" & recorder & """ record """ & logFile & """ ""%1"""
Next

' The lines the recorder wrote, once there are at least n of them.
Function Recorded(n)
    Dim started, lines, text
    started = Timer
    lines = Array()
    Do While UBound(lines) + 1 < n And Abs(Timer - started) < 30
        text = ""
        If fso.FileExists(logFile) Then
            On Error Resume Next
            Set stream = fso.OpenTextFile(logFile, 1)
            text = stream.ReadAll
            stream.Close
            On Error GoTo 0
        End If
        If Len(text) > 0 Then lines = Split(Left(text, Len(text) - 1), vbLf)
    Loop
    Recorded = lines
End Function

Set link = CreateObject("TVOrvaneSuite.OVHyperLink")
url = "http://example.invalid/page?x=1&y=2"
r = link.GoUrl(url)
ok IsEmpty(r), "GoUrl returns Empty"
eq url, "http://example.invalid/page?x=1&y=2", "GoUrl leaves an ANSI text as it was"
lines = Recorded(1)
eq lines(0), "http://example.invalid/page?x=1&y=2", "the address reaches the shell unchanged"

address = "someone@example.invalid?subject=Hello&body=World"
ok IsEmpty(link.SendMail(address)), "SendMail returns Empty"
eq address, "someone@example.invalid?subject=Hello&body=World", "SendMail leaves the address as it was"
lines = Recorded(2)
eq lines(1), "mailto:someone@example.invalid?subject=Hello&body=World", "mailto: in front, query parts unchanged"

link.SendMail "mailto:twice@example.invalid"
lines = Recorded(3)
eq lines(2), "mailto:mailto:twice@example.invalid", "the prefix even when the address has it"

link.SendMail ""
lines = Recorded(4)
eq lines(3), "mailto:", "an empty address opens a message without recipient"

For i = 0 To 2
    key = "HKLM\Software\Classes\" & schemes(i) & "\shell\open\command\"
    If saved(i) <> "" Then sh.RegWrite key, saved(i)
Next
If fso.FileExists(logFile) Then fso.DeleteFile logFile
Finish
