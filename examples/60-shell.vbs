' Shell services from a script client. What GoUrl and SendMail hand to the shell is
' shown by a small recorder program registered, for this tour only, as the handler of
' web and mail addresses (so nothing opens a browser or a mail program); the folder
' dialog is driven by the same program from outside, as a user would click it. The
' recorder is built with the tests, so this part of the tour runs from the repository
' (./scripts/tour.sh), not from the release folder.

Set sh = CreateObject("WScript.Shell")
Set fso = CreateObject("Scripting.FileSystemObject")
recorder = fso.GetParentFolderName(fso.GetParentFolderName(WScript.ScriptFullName)) & "\build\x64\tests\ShellRecorder.exe"
If Not fso.FileExists(recorder) Then
    WScript.Echo "The recorder program is not built: " & recorder
    WScript.Quit 1
End If
logFile = fso.GetSpecialFolder(2).Path & "\orvane-tour-shell.log"
If fso.FileExists(logFile) Then fso.DeleteFile logFile

' The lines a file holds once it has at least n of them (the shell starts the
' handler after its call has returned).
Function LinesOf(path, n)
    Dim started, text, lines
    started = Timer
    lines = Array()
    Do
        text = ""
        If fso.FileExists(path) Then
            On Error Resume Next
            Set stream = fso.OpenTextFile(path, 1)
            text = stream.ReadAll
            stream.Close
            On Error GoTo 0
        End If
        If Len(text) > 0 Then lines = Split(Left(text, Len(text) - 1), vbLf)
    Loop While UBound(lines) + 1 < n And Abs(Timer - started) < 30
    LinesOf = lines
End Function

WScript.Echo "== Hyperlinks and mail =="
schemes = Array("http", "https", "mailto")
saved = Array("", "", "")
existed = Array(False, False, False)
For i = 0 To 2
    key = "HKLM\Software\Classes\" & schemes(i) & "\shell\open\command\"
    On Error Resume Next
    saved(i) = sh.RegRead(key)
    existed(i) = (Err.Number = 0)
    On Error GoTo 0
    sh.RegWrite key, """" & recorder & """ record """ & logFile & """ ""%1"""
Next
Set link = CreateObject("TVOrvaneSuite.OVHyperLink")
calls = Array( _
    "GoUrl", "https://www.example.invalid/products?id=7&lang=en", _
    "SendMail", "sales@example.invalid", _
    "SendMail", "sales@example.invalid?subject=Order 42&body=Hello", _
    "SendMail", "mailto:sales@example.invalid", _
    "SendMail", "")
For i = 0 To UBound(calls) Step 2
    text = calls(i + 1)
    If calls(i) = "GoUrl" Then r = link.GoUrl(text) Else r = link.SendMail(text)
    lines = LinesOf(logFile, i / 2 + 1)
    handed = "(nothing arrived)"
    If UBound(lines) >= i / 2 Then handed = lines(i / 2)
    WScript.Echo calls(i) & "(""" & calls(i + 1) & """) returned " & TypeName(r) & "; the shell got: " & handed
Next
' The handlers as they were: the old command back, or the key the tour made removed.
For i = 0 To 2
    key = "HKLM\Software\Classes\" & schemes(i) & "\shell\open\command\"
    If existed(i) Then sh.RegWrite key, saved(i) Else sh.RegDelete key
Next
If fso.FileExists(logFile) Then fso.DeleteFile logFile

WScript.Echo "== Folder selection =="
report = fso.GetSpecialFolder(2).Path & "\orvane-tour-browse.txt"
Set chooser = CreateObject("TVOrvaneSuite.OVFolderSelect")
choices = Array("C:", "", "Control Panel")
firstList = Empty
For Each choice In choices
    If fso.FileExists(report) Then fso.DeleteFile report
    sh.Run """" & recorder & """ browse """ & report & """ """ & choice & """", 0, False
    If choice = "" Then
        Set list = chooser.FolderSelect(17)
    Else
        Set list = chooser.FolderSelect(17, "Tour: choose " & choice)
    End If
    If IsEmpty(firstList) Then Set firstList = list
    lines = LinesOf(report, 1)
    If choice = "" Then action = "cancelled" Else action = "chose """ & choice & """"
    WScript.Echo "Dialog titled """ & lines(0) & """, the user " & action & "; the list now holds " & list.Count & ":"
    For Each record In list
        WScript.Echo "    " & record.TheUserSelected & "  ->  " & record.PhysicalLocation
    Next
Next
WScript.Echo "The list returned by the first call is the same object: it holds " & firstList.Count & _
    " records now (Is: " & (firstList Is list) & ")."
If fso.FileExists(report) Then fso.DeleteFile report
WScript.Quit 0
