' The registry from a script client: a key of our own under HKEY_CURRENT_USER, the three
' value types written, read and listed, and everything deleted again. Then the
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
