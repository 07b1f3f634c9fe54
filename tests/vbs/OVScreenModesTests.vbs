' OVScreenModes from a script client: the current mode only; ChangeDisplay is
' never called from a script test.
Plan 6

Set s = CreateObject("TVOrvaneSuite.OVScreenModes")
eq TypeName(s.ColorBits), "Long", "ColorBits subtype"
eq TypeName(s.ScreenWidth), "Integer", "ScreenWidth subtype"
eq TypeName(s.ScreenHeight), "Integer", "ScreenHeight subtype"
ok s.ColorBits > 0, "ColorBits"
ok s.ScreenWidth > 0 And s.ScreenHeight > 0, "a size"

On Error Resume Next
x = s.NoSuchMember
raised 438, "", "unknown member"
On Error Goto 0

Finish
