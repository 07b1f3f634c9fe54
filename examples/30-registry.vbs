' The registry from a script client: a key of our own under HKEY_CURRENT_USER, the three
' value types written, read and listed, and everything deleted again; then every value
' type and both registry views through the members added in version 1.1. Then the
' installation values, user and computer name, and a few special folders.

Const HKCU = &H80000001
Const ovString = 1, ovBinary = 3, ovDWord = 4
Set reg = CreateObject("TVOrvaneSuite.OVRegistry")
base = "Software\OrvaneSuiteExample"
k = base & "\Settings"

WScript.Echo "== Registry =="
WScript.Echo "CreateKey " & k & ": result code " & reg.CreateKey(HKCU, k)
WScript.Echo "KeyExist: " & reg.KeyExist(HKCU, k)
reg.CreateKey HKCU, k & "\Colours"
reg.CreateKey HKCU, k & "\Windows"
WScript.Echo "WriteValue Title (string): " & reg.WriteValue(HKCU, k, ovString, "Title", "Orvane example")
WScript.Echo "WriteValue Magic (binary): " & reg.WriteValue(HKCU, k, ovBinary, "Magic", "OV" & Chr(1) & Chr(22))
WScript.Echo "WriteValue Count (32-bit number): " & reg.WriteValue(HKCU, k, ovDWord, "Count", "-1")
WScript.Echo "ReadValue Title = """ & reg.ReadValue(HKCU, k, "Title") & """, type " & reg.ReadDataType(HKCU, k, "Title")
magic = reg.ReadValue(HKCU, k, "Magic")
codes = ""
For i = 1 To Len(magic): codes = codes & " " & Asc(Mid(magic, i, 1)): Next
WScript.Echo "ReadValue Magic = bytes" & codes & ", type " & reg.ReadDataType(HKCU, k, "Magic")
WScript.Echo "ReadValue Count = " & reg.ReadValue(HKCU, k, "Count") & " (a text), type " & reg.ReadDataType(HKCU, k, "Count")
WScript.Echo "ReadValue of a missing value is Empty: " & IsEmpty(reg.ReadValue(HKCU, k, "Missing"))

WScript.Echo "Subkeys of " & k & ":"
For Each entry In reg.ListKeys(HKCU, k)
    WScript.Echo "  " & entry.KeyNames
Next
WScript.Echo "Values of " & k & ":"
For Each entry In reg.ListValues(HKCU, k)
    WScript.Echo "  " & entry.ValueName & " = " & entry.ValueData & " (type " & entry.DataType & ")"
Next
WScript.Echo "A second ListKeys appends to the same list: Count " & reg.ListKeys(HKCU, k).Count

WScript.Echo "DeleteValue Title: " & reg.DeleteValue(HKCU, k, "Title") & _
    ", again: " & reg.DeleteValue(HKCU, k, "Title") & " (2: not found)"
reg.DeleteValue HKCU, k, "Magic"
reg.DeleteValue HKCU, k, "Count"
WScript.Echo "DeleteKey with subkeys left: " & reg.DeleteKey(HKCU, k)
reg.DeleteKey HKCU, k & "\Colours"
reg.DeleteKey HKCU, k & "\Windows"
WScript.Echo "DeleteKey " & k & ": " & reg.DeleteKey(HKCU, k)
reg.DeleteKey HKCU, base
WScript.Echo "KeyExist after deleting: " & reg.KeyExist(HKCU, base)

WScript.Echo "== Registry: every value type and both views (members since version 1.1) =="
' The elements of an array with a separator between them (Join takes no array of Bytes).
Function Listed(a, separator)
    Dim i
    Listed = ""
    For i = LBound(a) To UBound(a)
        If i > LBound(a) Then Listed = Listed & separator
        Listed = Listed & a(i)
    Next
End Function
Const HKLM = &H80000002
Const ovExpandString = 2, ovMultiString = 7, ovQWord = 11, ov64BitView = 256, ov32BitView = 512
reg.WriteValueEx HKCU, k, ovExpandString, "Path", "%TEMP%\orvane"
WScript.Echo "Path as stored: " & reg.ReadValueEx(HKCU, k, "Path") & ", expanded: " & reg.ReadExpandedValue(HKCU, k, "Path")
reg.WriteValueEx HKCU, k, ovMultiString, "Colours", Array("red", "green", "blue")
WScript.Echo "Colours (an array of Strings): " & Listed(reg.ReadValueEx(HKCU, k, "Colours"), ", ")
reg.WriteValueEx HKCU, k, ovQWord, "Big", "18446744073709551615"
WScript.Echo "Big (a 64-bit number, as its text): " & reg.ReadValueEx(HKCU, k, "Big")
reg.WriteValueEx HKCU, k, ovBinary, "Bytes", Array(79, 86, 1, 22)
WScript.Echo "Bytes (an array of Bytes): " & Listed(reg.ReadValueEx(HKCU, k, "Bytes"), " ")
For Each entry In reg.ListValuesEx(HKCU, k)
    WScript.Echo "  " & entry.ValueName & ": type " & entry.DataType & ", " & TypeName(entry.ValueData)
Next
reg.WriteValueEx HKLM, base, 1, "Where", "64-bit view", ov64BitView
reg.WriteValueEx HKLM, base, 1, "Where", "32-bit view", ov32BitView
WScript.Echo "HKLM\" & base & " Where: " & reg.ReadValueEx(HKLM, base, "Where", ov64BitView) & " / " & _
    reg.ReadValueEx(HKLM, base, "Where", ov32BitView) & "; this host's own view holds """ & _
    reg.ReadValueEx(HKLM, base, "Where") & """"
For Each view In Array(ov64BitView, ov32BitView)
    reg.DeleteValueEx HKLM, base, "Where", view
    reg.DeleteKeyEx HKLM, base, view
Next
For Each name In Array("Path", "Colours", "Big", "Bytes")
    reg.DeleteValueEx HKCU, k, name
Next
reg.DeleteKeyEx HKCU, k
reg.DeleteKeyEx HKCU, base

WScript.Echo "== Installation and names =="
Set win = CreateObject("TVOrvaneSuite.OVWindows")
WScript.Echo "ProductId: """ & win.ProductId & """, ProductName: """ & win.ProductName & """"
WScript.Echo "RegisteredOwner: """ & win.RegisteredOwner & """, Plus! version: """ & win.PlusVersionNumber & """"
WScript.Echo "UserName: " & win.UserName & ", ComputerName: " & win.ComputerName

WScript.Echo "== Special folders =="
Set folders = CreateObject("TVOrvaneSuite.OVSpecialFolders")
WScript.Echo "Desktop:       " & folders.SpecialFolders(16)
WScript.Echo "Fonts:         " & folders.SpecialFolders(20)
WScript.Echo "Windows:       " & folders.SpecialFolders(36)
WScript.Echo "Program files: " & folders.SpecialFolders(38)
WScript.Echo "Temp:          " & folders.SpecialFolders(2305)
WScript.Echo "Current dir:   " & folders.GetCurrentDir
WScript.Quit 0
