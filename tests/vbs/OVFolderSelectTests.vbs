' OVFolderSelect from a script client. A script cannot drive the modal dialog it
' opens, so the recorder program does it from another process: it reports the title
' text, then chooses an item (or cancels).

Plan 8

Set sh = CreateObject("WScript.Shell")
Set fso = CreateObject("Scripting.FileSystemObject")
buildDir = fso.GetParentFolderName(fso.GetParentFolderName(WScript.ScriptFullName))
driver = buildDir & "\tests\ShellRecorder.exe"
report = fso.GetSpecialFolder(2).Path & "\orvane-browse-vbs.txt"

Function Drive(item)
    If fso.FileExists(report) Then fso.DeleteFile report
    sh.Run """" & driver & """ browse """ & report & """ """ & item & """", 0, False
End Function

Function Reported()
    Dim started, text
    started = Timer
    text = ""
    Do
        If fso.FileExists(report) Then
            On Error Resume Next
            Set stream = fso.OpenTextFile(report, 1)
            text = stream.ReadAll
            stream.Close
            On Error GoTo 0
        End If
    Loop While text = "" And Abs(Timer - started) < 30
    Reported = Split(text, vbLf)
End Function

Set chooser = CreateObject("TVOrvaneSuite.OVFolderSelect")
Drive ""
Set first = chooser.FolderSelect(17)
lines = Reported()
eq lines(0), "Please choose a folder.", "the default title"
eq first.Count, CLng(0), "a cancelled first call returns the empty list"

Drive "C:"
Set again = chooser.FolderSelect(17, "Choose a drive")
lines = Reported()
eq lines(0), "Choose a drive", "the given title"
ok again Is first, "every call returns the same list"
eq first.Count, CLng(1), "the held list sees the new record"
eq first(1).PhysicalLocation, "C:\", "the path of the chosen drive"
ok Len(first.Item(1).TheUserSelected) > 0, "the chosen name"

Drive ""
n = 0
For Each choice In chooser.FolderSelect(17, "Cancel")
    n = n + 1
Next
lines = Reported()
eq n, 1, "For Each over the list; a cancel adds nothing"
If fso.FileExists(report) Then fso.DeleteFile report
Finish
