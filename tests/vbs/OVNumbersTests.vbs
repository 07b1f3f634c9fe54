' OVNumbers from a script client: results, subtypes, ByRef variables and errors.
Plan 29

Set n = CreateObject("TVOrvaneSuite.OVNumbers")

s = "1101"
eq n.BinToDec(s), CInt(13), "BinToDec 1101"
eq s, "1", "BinToDec leaves the last digit"
s = "1101"
eq n.BinToOct(s), "15", "BinToOct 1101"
eq s, "13", "BinToOct leaves the decimal text"
eq n.BinToDec("1" & String(15, "0")), CLng(32768), "2^15 is a Long"
eq n.BinToDec("1" & String(31, "0")), CDbl(2147483648), "2^31 is a Double"
eq n.HexToDec("ff"), CInt(255), "HexToDec ff"
eq n.HexToDec("FFFF"), CLng(65535), "HexToDec FFFF"
eq n.HexToDec("80000000"), CDbl(2147483648), "HexToDec 80000000"
ok IsEmpty(n.OctToDec("")), "OctToDec of the empty text is Empty"
h = "A"
eq n.HexToBin(h), "1010", "HexToBin A"
eq h, "0", "HexToBin leaves the remainder"
eq n.DecToBin("5.5"), "100", "DecToBin 5.5"
eq n.DecToBin("7.5"), String(50, "0"), "DecToBin 7.5"
eq n.DecToOct("2147483647"), "17777777777", "DecToOct max"
eq n.DecToHex(255), "FF", "a number arrives as its decimal text"
eq Len(n.GenerateRandomID(12)), CLng(12), "identifier length"
eq n.GenerateRandomID(5, 5), "", "unknown alphabet"

On Error Resume Next
x = n.BinToDec("")
raised 99, "Max len is 50 character.", "BinToDec empty"
x = n.BinToDec("12")
raised 99, "Can't Convert.", "BinToDec 12"
ok Err.Source = "", "cleared"
x = n.HexToDec("G")
ok Err.Source = "TVOrvaneSuite.OVNumbers", "source"
raised 99, "Can't Convert.", "HexToDec G"
x = n.BinToHex("1" & String(31, "0"))
raised 6, "Overflow", "BinToHex beyond 32 bits"
x = n.DecToOct("2147483648")
raised 6, "Overflow", "DecToOct beyond 32 bits"
x = n.DecToBin("abc")
raised 13, "Type mismatch", "DecToBin abc"
x = n.GenerateRandomID(-1)
raised 5, "Invalid procedure call or argument", "negative length"
x = n.GenerateRandomID(32767)
raised 6, "Overflow", "16-bit loop counter"
x = n.NoSuchMember(1)
raised 438, "", "unknown member"
On Error Goto 0

Finish
