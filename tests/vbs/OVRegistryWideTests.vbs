' OVRegistry's second set of members from a script client: every value type written,
' read and listed, checked against WScript.Shell where it knows the type, both views
' of HKEY_LOCAL_MACHINE\Software, and bad input. Private keys, removed at the end.
Plan 47

Const HKCU = &H80000001, HKLM = &H80000002
Const ovDefaultView = 0, ov64BitView = 256, ov32BitView = 512
Const ovNoType = 0, ovString = 1, ovExpandString = 2, ovBinary = 3, ovDWord = 4, ovMultiString = 7, ovQWord = 11
Set r = CreateObject("TVOrvaneSuite.OVRegistry")
Set sh = CreateObject("WScript.Shell")
base = "Software\OrvaneSuiteTests\vbs-wide"
k = base & "\values"
path = "HKCU\" & k & "\"

' The elements of an array, one after the other with "|" between them (this
' platform's VBScript has no Join).
Function Joined(a)
    Dim i
    Joined = ""
    For i = LBound(a) To UBound(a)
        If i > LBound(a) Then Joined = Joined & "|"
        Joined = Joined & a(i)
    Next
End Function

Sub RemoveKey(root, subKey, view)
    Dim list, i, n
    Set list = r.ListKeysEx(root, subKey, view)
    If Not list Is Nothing Then
        For i = 1 To list.Count
            RemoveKey root, subKey & "\" & list.Item(i).KeyNames, view
        Next
    End If
    n = r.DeleteKeyEx(root, subKey, view)
End Sub
Sub RemoveAll()
    RemoveKey HKCU, base, ovDefaultView
    RemoveKey HKLM, base, ov64BitView
    RemoveKey HKLM, base, ov32BitView
End Sub
RemoveAll

' Multi-strings are arrays of Strings both ways.
eq r.WriteValueEx(HKCU, k, ovMultiString, "Multi", Array("a", "b c")), CLng(0), "write REG_MULTI_SZ"
eq Joined(sh.RegRead(path & "Multi")), "a|b c", "RegRead of a written REG_MULTI_SZ"
m = r.ReadValueEx(HKCU, k, "Multi")
ok IsArray(m), "REG_MULTI_SZ reads as an array"
eq Joined(m), "a|b c", "its Strings"
eq TypeName(m(1)), "String", "element subtype"
eq r.WriteValueEx(HKCU, k, ovMultiString, "MultiEmpty", Array()), CLng(0), "write an empty REG_MULTI_SZ"
eq UBound(r.ReadValueEx(HKCU, k, "MultiEmpty")), CLng(-1), "reads as an empty array"

' Expandable strings: as stored, and expanded.
sh.RegWrite path & "Expand", "%SystemRoot%\x", "REG_EXPAND_SZ"
eq r.ReadValueEx(HKCU, k, "Expand"), "%SystemRoot%\x", "REG_EXPAND_SZ as stored"
eq r.ReadExpandedValue(HKCU, k, "Expand"), sh.ExpandEnvironmentStrings("%SystemRoot%\x"), "REG_EXPAND_SZ expanded"
eq r.ReadDataTypeEx(HKCU, k, "Expand"), CLng(ovExpandString), "its type"
eq r.WriteValueEx(HKCU, k, ovExpandString, "Expand2", "%TEMP%"), CLng(0), "write REG_EXPAND_SZ"
eq r.ReadValueEx(HKCU, k, "Expand2"), "%TEMP%", "read back as stored"

' 32-bit numbers are Longs.
eq r.WriteValueEx(HKCU, k, ovDWord, "DWord", 4294967295), CLng(0), "write DWORD 0xFFFFFFFF"
eq sh.RegRead(path & "DWord"), CLng(-1), "RegRead of it"
eq r.ReadValueEx(HKCU, k, "DWord"), CLng(-1), "ReadValueEx gives a Long"
sh.RegWrite path & "ShellDWord", 42, "REG_DWORD"
eq r.ReadValueEx(HKCU, k, "ShellDWord"), CLng(42), "ReadValueEx of RegWrite's DWORD"

' 64-bit numbers are decimal texts: no script number holds all of them.
eq r.WriteValueEx(HKCU, k, ovQWord, "QWord", "18446744073709551615"), CLng(0), "write the largest QWORD"
eq r.ReadValueEx(HKCU, k, "QWord"), "18446744073709551615", "read back whole"
eq r.ReadDataTypeEx(HKCU, k, "QWord"), CLng(ovQWord), "its type"
eq r.WriteValueEx(HKCU, k, ovQWord, "QWord2", 9007199254740993), CLng(0), "write a Double"
eq r.ReadValueEx(HKCU, k, "QWord2"), "9007199254740992", "a Double holds only what it holds"
eq r.WriteValueEx(HKCU, k, ovQWord, "QWord3", CCur("922337203685477")), CLng(0), "write a Currency"
eq r.ReadValueEx(HKCU, k, "QWord3"), "922337203685477", "read back"

' Bytes are arrays of Bytes, as WScript.Shell gives REG_BINARY.
eq r.WriteValueEx(HKCU, k, ovBinary, "Bytes", Array(0, 255, 65)), CLng(0), "write REG_BINARY"
b = sh.RegRead(path & "Bytes")
ok UBound(b) = 2 And b(0) = 0 And b(1) = 255 And b(2) = 65, "RegRead of it"
b = r.ReadValueEx(HKCU, k, "Bytes")
ok UBound(b) = 2 And b(0) = 0 And b(1) = 255 And b(2) = 65, "ReadValueEx of it"
eq TypeName(b(1)), "Byte", "element subtype"
sh.RegWrite path & "ShellBytes", 16706, "REG_BINARY"
b = r.ReadValueEx(HKCU, k, "ShellBytes")
ok UBound(b) = 3 And b(0) = 66 And b(1) = 65, "ReadValueEx of RegWrite's REG_BINARY"
eq r.WriteValueEx(HKCU, k, ovNoType, "Nothing", Empty), CLng(0), "write REG_NONE without data"
eq UBound(r.ReadValueEx(HKCU, k, "Nothing")), CLng(-1), "reads as no bytes"
eq r.ReadDataTypeEx(HKCU, k, "Nothing"), CLng(ovNoType), "type 0"

' The listing: every value, each with its own type.
Set values = r.ListValuesEx(HKCU, k)
eq values.Count, CLng(12), "ListValuesEx lists every type"
same = True
For Each v In values
    If v.DataType <> r.ReadDataTypeEx(HKCU, k, v.ValueName) Then same = False
Next
ok same, "each record carries the value's own type"
ok Not (r.ListValuesEx(HKCU, k) Is values), "each listing is a new collection"

' Views: HKEY_LOCAL_MACHINE\Software differs between them.
eq r.WriteValueEx(HKLM, base, ovString, "Where", "64", ov64BitView), CLng(0), "write in the 64-bit view"
eq r.WriteValueEx(HKLM, base, ovString, "Where", "32", ov32BitView), CLng(0), "write in the 32-bit view"
eq r.ReadValueEx(HKLM, base, "Where", ov64BitView), "64", "read the 64-bit view"
eq r.ReadValueEx(HKLM, base, "Where", ov32BitView), "32", "read the 32-bit view"
own = "32"
If sh.Environment("Process")("PROCESSOR_ARCHITECTURE") = "AMD64" Then own = "64"
eq r.ReadValueEx(HKLM, base, "Where"), own, "the default view is the host's own"
eq r.DeleteValueEx(HKLM, base, "Where", ov32BitView), CLng(0), "delete in the 32-bit view"
eq r.ValueExistEx(HKLM, base, "Where", ov64BitView), True, "the 64-bit value stays"

' Bad input raises and writes nothing.
On Error Resume Next
x = r.WriteValueEx(HKCU, k & "\bad", ovString, "Bad", "x", 3)
raised 5, "Unknown registry view 3: use ovDefaultView (0), ov64BitView (256) or ov32BitView (512).", "unknown view"
x = r.WriteValueEx(HKCU, k & "\bad", ovMultiString, "Bad", Array("a", 1))
raised 13, "", "a multi-string holding a number"
x = r.WriteValueEx(HKCU, k & "\bad", ovQWord, "Bad", "18446744073709551616")
raised 6, "", "QWORD out of range"
x = r.WriteValueEx(HKCU, k & "\bad", ovBinary, "Bad", Array(256))
raised 6, "", "a byte out of range"
On Error GoTo 0
eq r.KeyExistEx(HKCU, k & "\bad"), False, "nothing was created"

RemoveAll
eq r.KeyExistEx(HKCU, base), False, "the test key is gone"
x = r.DeleteKeyEx(HKCU, "Software\OrvaneSuiteTests")
Finish
