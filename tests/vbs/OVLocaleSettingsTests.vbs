' OVLocaleSettings from a script client, against the runtime's own view of the locale.

Set l = CreateObject("TVOrvaneSuite.OVLocaleSettings")
eq TypeName(l.DateFormat), "String", "DateFormat subtype"
ok InStr(1, l.DateFormat, "yyyy", vbTextCompare) > 0, "the year has four letters"
ok InStr(l.DateFormat, Chr(0)) = 0, "no NUL in DateFormat"
eq l.DecimalSpecifier, Mid(CStr(1.5), 2, 1), "DecimalSpecifier is the runtime's separator"
eq l.NumberFormat, "###" & l.ThousandSpecifier & "###" & l.DecimalSpecifier & "######", "NumberFormat"
eq TypeName(l.SysLanguageID), "Long", "SysLanguageID subtype"
ok l.SysLanguageID > 0, "SysLanguageID"
ok Len(l.SysLanguageName) > 0 And InStr(l.SysLanguageName, Chr(0)) = 0, "SysLanguageName"
eq l.NegativeSign, "-", "NegativeSign"
ok Len(l.TimeFormat) > 0, "TimeFormat"
ok Len(l.CurrencySpecifier) > 0, "CurrencySpecifier"
ok Len(l.Country) > 0 And Len(l.LanguageName) > 0 And Len(l.NativeCountryName) > 0, "names"

On Error Resume Next
l.DateFormat = "x"
ok Err.Number <> 0, "read-only"
Err.Clear
On Error Goto 0

Finish
