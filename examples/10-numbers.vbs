' A tour of the suite from a script client: number conversion, random identifiers
' and a keyed collection.
Set numbers = CreateObject("TVOrvaneSuite.OVNumbers")

WScript.Echo "== Number conversion =="
binary = "101101"
WScript.Echo "BinToDec(""101101"") = " & numbers.BinToDec(binary) & " (" & TypeName(numbers.BinToDec("101101")) & "; the variable now holds """ & binary & """)"
binary = "101101"
WScript.Echo "BinToHex(""101101"") = " & numbers.BinToHex(binary) & " (the variable now holds """ & binary & """)"
WScript.Echo "BinToOct(""11111111"") = " & numbers.BinToOct("11111111")
WScript.Echo "OctToDec(""777"") = " & numbers.OctToDec("777")
WScript.Echo "HexToDec(""FFFF"") = " & numbers.HexToDec("FFFF") & " (" & TypeName(numbers.HexToDec("FFFF")) & ")"
WScript.Echo "HexToBin(""A5"") = " & numbers.HexToBin("A5")
WScript.Echo "DecToBin(""1000"") = " & numbers.DecToBin("1000")
WScript.Echo "DecToHex(""3735928559""):"
On Error Resume Next
x = numbers.DecToHex("3735928559")
WScript.Echo "  error " & Err.Number & ": " & Err.Description & " (beyond 32 bits)"
Err.Clear
x = numbers.BinToDec("1021")
WScript.Echo "BinToDec(""1021""): error " & Err.Number & ": " & Err.Description & " from " & Err.Source
Err.Clear
On Error Goto 0
WScript.Echo "DecToHex(""-1"") = " & numbers.DecToHex("-1")

WScript.Echo "== Random identifiers =="
WScript.Echo "decimal:      " & numbers.GenerateRandomID(12)
WScript.Echo "binary:       " & numbers.GenerateRandomID(16, 0)
WScript.Echo "octal:        " & numbers.GenerateRandomID(8, 1)
WScript.Echo "hexadecimal:  " & numbers.GenerateRandomID(8, 3)
WScript.Echo "alphanumeric: " & numbers.GenerateRandomID(20, 4)

WScript.Echo "== Keyed collection =="
Set values = CreateObject("TVOrvaneSuite.OVRegistryValues")
values.Add "Owner", "Ada", 1, "owner"
values.Add "Build", "2600", 4, "build"
values.Add "Blob", "AB", 3
WScript.Echo "Count = " & values.Count
WScript.Echo "By key ""OWNER"": " & values("OWNER").ValueData
WScript.Echo "By position 2: " & values(2).ValueName
For Each value In values
    WScript.Echo "  " & value.ValueName & " = " & value.ValueData & " (type " & value.DataType & ")"
Next
values.Remove 1
WScript.Echo "After removing position 1, position 1 is " & values(1).ValueName
WScript.Quit 0
