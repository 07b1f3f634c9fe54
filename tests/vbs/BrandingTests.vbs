' OVSplashScreen and OVAboutBox from a script client: defaults, setters, the
' text-or-image rule, unchecked styles and colours, pictures by reference and Nothing.

Set s = CreateObject("TVOrvaneSuite.OVSplashScreen")
eq s.LicenseTo, "Valued Customer", "LicenseTo default"
eq s.CompanyName, "Your Company", "CompanyName default"
eq s.ProductName, "Your Product", "ProductName default"
eq s.ProductVersion, "Version 1.0 Build 0", "ProductVersion default"
eq s.Platform, "For Windows 95, 98, NT, 2000 and XP", "Platform default"
eq s.SplashStyle, CLng(0), "SplashStyle default"
eq s.ProductNameColor, CLng(0), "ProductNameColor default"
ok InStr(s.CopyrightWarning, "Warning:  ") = 1, "warning keeps two blanks"
ok InStr(s.Copyright, "  All Rights Reserved.") > 0, "copyright keeps two blanks"
ok Not (s.CompanyNameImage Is Nothing), "an empty picture, not Nothing"

Set img = s.ProductLogo
Set s.CompanyNameImage = img
eq s.CompanyName, "", "an image clears the text"
ok s.CompanyNameImage Is img, "held by reference"
s.CompanyName = "Acme"
ok Not (s.CompanyNameImage Is img), "the text replaces the image"
Set s.ProductNameImage = Nothing
ok s.ProductNameImage Is Nothing, "Nothing kept"
eq s.ProductName, "", "Nothing clears the text too"

s.SplashStyle = 100
eq s.SplashStyle, CLng(100), "style unchecked"
r = s.ShowSplash()
ok IsEmpty(r), "ShowSplash of an unknown style returns Empty"
r = s.HideSplash()
ok IsEmpty(r), "HideSplash of an unknown style returns Empty"
s.ProductNameColor = &H80000012
eq s.ProductNameColor, &H80000012, "system colour kept"

Set a = CreateObject("TVOrvaneSuite.OVAboutBox")
eq a.ProductName, "OrvaneAboutBox", "About ProductName default"
eq a.ProductVersion, "Version 1.22", "About ProductVersion default"
eq a.AboutStyle, CLng(0), "About style default"
ok InStr(a.CopyrightWarning, "[EXAMPLE ONLY]") > 0, "About warning is an example"
ok Not (a.ProductLogo Is Nothing), "the face is the default logo"
Set a.ProductLogo = Nothing
ok a.ProductLogo Is Nothing, "logo Nothing"
a.AboutStyle = -1
a.ShowAbout
eq a.AboutStyle, CLng(-1), "style unchecked"
a.CopyrightColor = 255
eq a.CopyrightColor, CLng(255), "colour kept"

Finish
