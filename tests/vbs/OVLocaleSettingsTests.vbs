' OVLocaleSettings from a script client, against the script runtime's own view of the
' locale (the runs pin the locale to US English).
Plan 14

Set l = CreateObject("TVOrvaneSuite.OVLocaleSettings")
eq TypeName(l.DateFormat), "String", "DateFormat subtype"
ok InStr(1, l.DateFormat, "yyyy", vbTextCompare) > 0, "the year has four letters"
ok InStr(l.DateFormat, Chr(0)) = 0, "no NUL in DateFormat"
decimalSeparator = Mid(CStr(1.5), 2, 1)
thousandsSeparator = Mid(FormatNumber(1000, 0, , , vbTrue), 2, 1)
eq l.DecimalSpecifier, decimalSeparator, "DecimalSpecifier is the runtime's separator"
eq l.ThousandSpecifier, thousandsSeparator, "ThousandSpecifier is the runtime's separator"
eq l.NumberFormat, "###" & thousandsSeparator & "###" & decimalSeparator & "######", "NumberFormat"
eq TypeName(l.SysLanguageID), "Long", "SysLanguageID subtype"
ok l.SysLanguageID > 0, "SysLanguageID"
ok Len(l.SysLanguageName) > 0 And InStr(l.SysLanguageName, Chr(0)) = 0, "SysLanguageName"
eq l.NegativeSign, "-", "NegativeSign"
ok Len(l.TimeFormat) > 0, "TimeFormat"
ok Len(l.CurrencySpecifier) > 0, "CurrencySpecifier"
ok Len(l.Country) > 0 And Len(l.LanguageName) > 0 And Len(l.NativeCountryName) > 0, "names"

On Error Resume Next
l.DateFormat = "x"
raised 438, "", "read-only"
On Error Goto 0

Finish
