' OVExtractIcon from a script client: counting, and Extract's ByRef index.
Plan 12

Set e = CreateObject("TVOrvaneSuite.OVExtractIcon")
Set fso = CreateObject("Scripting.FileSystemObject")
system = fso.GetSpecialFolder(1).Path & "\"

eq e.FileName, "", "FileName starts empty"
eq e.Count, CLng(0), "no file, no icons"
e.FileName = system & "shell32.dll"
ok e.Count > 0, "shell32.dll has icons"
eq TypeName(e.Count), "Long", "Count is a Long"

i = 1
r = e.Extract(i, 2, 0, 0, 0)
ok IsEmpty(r), "Extract returns Empty"
eq i, CLng(0), "the index variable is one lower"
i = 3
r = e.Extract(i, 15, 0, 0, 0)
ok IsEmpty(r), "an unknown size draws nothing"
eq i, CLng(2), "and still lowers the index"
r = e.Extract(1, 0, 0, 0, 0)
ok IsEmpty(r), "a constant index"

e.FileName = system & "no-such-file.dll"
eq e.Count, CLng(0), "a missing file has no icons"

On Error Resume Next
i = -2147483647 - 1
r = e.Extract(i, 2, 0, 0, 0)
raised 6, "Overflow", "the smallest Long"
eq i, CLng(-2147483647 - 1), "the index is kept"
On Error GoTo 0

Finish
