' OVRegistry from a script client, checked against WScript.Shell's RegRead and RegWrite
' under a private key of HKEY_CURRENT_USER that is removed again at the end.
Plan 73  ' twelve of them in the clean-up loop

Const HKCU = &H80000001
Set r = CreateObject("TVOrvaneSuite.OVRegistry")
Set sh = CreateObject("WScript.Shell")
base = "Software\OrvaneSuiteTests\vbs-registry"
k = base & "\values"
path = "HKCU\" & k & "\"

' Whatever an earlier run left behind (WshShell.RegDelete is not available).
Sub RemoveKey(subKey)
    Dim list, i, n
    Set list = CreateObject("TVOrvaneSuite.OVRegistry").ListKeys(HKCU, subKey)
    If Not list Is Nothing Then
        For i = 1 To list.Count
            RemoveKey subKey & "\" & list(i).KeyNames
        Next
    End If
    n = r.DeleteKey(HKCU, subKey)
End Sub
RemoveKey base

' Written by OVRegistry, read by WScript.Shell.
eq r.WriteValue(HKCU, k, 1, "Text", "hello world"), CLng(0), "write REG_SZ"
eq sh.RegRead(path & "Text"), "hello world", "RegRead of a written REG_SZ"
eq r.WriteValue(HKCU, k, 4, "Zero", "0"), CLng(0), "write DWORD 0"
eq sh.RegRead(path & "Zero"), CLng(0), "RegRead of DWORD 0"
eq r.WriteValue(HKCU, k, 4, "All", "-1"), CLng(0), "write DWORD -1"
eq sh.RegRead(path & "All"), CLng(-1), "RegRead of DWORD 0xFFFFFFFF"
eq r.WriteValue(HKCU, k, 4, "Answer", "42"), CLng(0), "write DWORD 42"
eq sh.RegRead(path & "Answer"), CLng(42), "RegRead of DWORD 42"
eq r.WriteValue(HKCU, k, 3, "Bytes", "AB" & Chr(0) & Chr(233)), CLng(0), "write REG_BINARY"
b = sh.RegRead(path & "Bytes")
eq UBound(b), CLng(3), "RegRead of REG_BINARY: four bytes"
ok b(0) = 65 And b(1) = 66 And b(2) = 0 And b(3) = 233, "RegRead of REG_BINARY: the bytes"

' Written by WScript.Shell, read by OVRegistry.
sh.RegWrite path & "ShellText", "from the shell", "REG_SZ"
eq r.ReadValue(HKCU, k, "ShellText"), "from the shell", "ReadValue of RegWrite's REG_SZ"
eq r.ReadDataType(HKCU, k, "ShellText"), CLng(1), "ReadDataType REG_SZ"
sh.RegWrite path & "ShellEmpty", "", "REG_SZ"
eq r.ReadValue(HKCU, k, "ShellEmpty"), "", "ReadValue of RegWrite's empty REG_SZ"
sh.RegWrite path & "ShellZero", 0, "REG_DWORD"
eq r.ReadValue(HKCU, k, "ShellZero"), "0", "ReadValue of DWORD 0"
sh.RegWrite path & "ShellAll", -1, "REG_DWORD"
eq r.ReadValue(HKCU, k, "ShellAll"), "-1", "ReadValue of DWORD 0xFFFFFFFF"
eq r.ReadDataType(HKCU, k, "ShellAll"), CLng(4), "ReadDataType REG_DWORD"
sh.RegWrite path & "ShellBytes", 16706, "REG_BINARY"
eq r.ReadDataType(HKCU, k, "ShellBytes"), CLng(3), "ReadDataType REG_BINARY"
x = r.ReadValue(HKCU, k, "ShellBytes")
eq Len(x), CLng(4), "RegWrite stores a binary number as four bytes"
eq Left(x, 2), "BA", "ReadValue of REG_BINARY: one character per byte"
sh.RegWrite path & "Expand", "%TEMP%", "REG_EXPAND_SZ"
ok IsEmpty(r.ReadValue(HKCU, k, "Expand")), "REG_EXPAND_SZ reads as Empty"
ok IsEmpty(r.ReadDataType(HKCU, k, "Expand")), "REG_EXPAND_SZ has no type"
ok IsEmpty(r.ReadValue(HKCU, k, "Absent")), "a missing value is Empty"
ok IsEmpty(r.ReadValue(HKCU, k & "\none", "Absent")), "a value in a missing key is Empty"

' Round trips through OVRegistry itself.
eq r.ReadValue(HKCU, k, "Text"), "hello world", "ReadValue of its own REG_SZ"
eq r.ReadValue(HKCU, k, "All"), "-1", "ReadValue of its own DWORD"
eq r.ReadValue(HKCU, k, "Bytes"), "AB" & Chr(0) & Chr(233), "ReadValue of its own REG_BINARY"
eq r.WriteValue(HKCU, k, 2, "Other", "x"), CLng(0), "an unknown type only creates the key"
eq r.ValueExist(HKCU, k, "Other"), False, "nothing written for type 2"
eq r.ValueExist(HKCU, k, "Text"), True, "ValueExist"
eq r.KeyExist(HKCU, k), True, "KeyExist"
eq r.KeyExist(HKCU, k & "\none"), False, "KeyExist of a missing key"

' Lists: shared and appended to.
eq r.CreateKey(HKCU, base & "\a"), CLng(0), "CreateKey a"
r.CreateKey HKCU, base & "\b"
Set keys = r.ListKeys(HKCU, base)
eq keys.Count, CLng(3), "three subkeys"
Set again = r.ListKeys(HKCU, base)
ok keys Is again, "ListKeys returns the same collection"
eq again.Count, CLng(6), "and appends to it"
ok r.ListKeys(HKCU, base & "\none") Is Nothing, "ListKeys of a missing key is Nothing"
Set values = r.ListValues(HKCU, k)
found = ""
For Each v In values
    If v.ValueName = "ShellAll" Then found = v.ValueData & "/" & v.DataType
    If v.ValueName = "Expand" Then found = found & " expand listed"
Next
eq found, "-1/4", "ListValues lists a DWORD as text, skips REG_EXPAND_SZ"
listed = values.Count
Set afterMissing = r.ListValues(HKCU, base & "\none")
ok afterMissing Is values, "ListValues of a missing key gives the shared list"
eq afterMissing.Count, listed, "a missing key leaves the value list as it was"

' Variables passed ByRef keep their values (the round trip of code page texts is the
' identity; ChrW is missing from this VBScript, so other characters are tested in C++).
root = HKCU
sub1 = k
t = 1
n = "Plain " & Chr(233)
d = "data"
eq r.WriteValue(root, sub1, t, n, d), CLng(0), "write through variables"
eq n, "Plain " & Chr(233), "ValueName kept"
eq d, "data", "ValueData kept"
eq sub1, k, "SubKey kept"
eq root, HKCU, "hKey untouched"
ok t = 1, "ValueType keeps its value"
eq r.ReadValue(HKCU, k, "Plain " & Chr(233)), "data", "what reached the registry"

' Runtime errors.
On Error Resume Next
x = r.WriteValue(HKCU, k, 4, "Bad", "abc")
raised 13, "", "DWORD of a non-numeric text"
x = r.WriteValue(HKCU, k, 4, "Bad", "4294967296")
raised 6, "", "DWORD out of range"
x = r.WriteValue(HKCU, k, 3, "Bad", "")
raised 9, "", "empty binary"
x = r.WriteValue(HKCU, k, 3, "Bad", String(32768, "x"))
raised 6, "", "binary over 32767 characters"
x = r.ReadValue(HKCU, k, "Bad")
raised 0, "", "nothing was written by the failed calls"
ok IsEmpty(x), "no Bad value"
x = r.KeyExist(HKCU, k, "extra")
raised 450, "", "too many arguments"
x = r.ReadValue(0, "Software", "x")
raised 0, "", "root 0 fails on the platform only"
ok IsEmpty(x), "root 0 reads Empty"
x = r.CreateKey(&H7FFFFFFF, "Software\x")
raised 0, "", "an invalid root fails on the platform only"
ok x <> 0, "and returns the platform's code"
x = r.ReadValue("not a number", k, "Text")
raised 13, "", "a text that is no root"
On Error GoTo 0

' Clean up with OVRegistry itself.
For Each name In Array("Text", "Zero", "All", "Answer", "Bytes", "ShellText", "ShellEmpty", "ShellZero", "ShellAll", "ShellBytes", "Expand", "Plain " & Chr(233))
    eq r.DeleteValue(HKCU, k, name), CLng(0), "DeleteValue " & name
Next
eq r.DeleteValue(HKCU, k, "Text"), CLng(2), "DeleteValue of a missing value"
RemoveKey base
eq r.KeyExist(HKCU, base), False, "the test key is gone"
x = r.DeleteKey(HKCU, "Software\OrvaneSuiteTests")

Finish
