' OVWindows from a script client: installation values and names. The five session
' requests are never called here: they would end this session.
Plan 15  ' eight of them through installation

Set w = CreateObject("TVOrvaneSuite.OVWindows")
Set net = CreateObject("WScript.Network")
Set sh = CreateObject("WScript.Shell")
k = "HKLM\Software\Microsoft\Windows\CurrentVersion\"

eq w.UserName, net.UserName, "UserName agrees with WScript.Network"
ok Len(w.UserName) > 0, "a user name"
' This Wine's WScript.Network has no ComputerName (445); compare where it answers.
On Error Resume Next
expected = net.ComputerName
If Err.Number <> 0 Then
    Err.Clear
    Set env = CreateObject("WScript.Shell").Environment("PROCESS")
    expected = env("COMPUTERNAME")
End If
On Error GoTo 0
eq UCase(w.ComputerName), UCase(expected), "ComputerName agrees with the platform"
ok Len(w.ComputerName) > 0, "a computer name"

' Each installation value is the registry's, as text, or the empty text; read here
' through WScript.Shell, not through the registry class the control itself uses.
Sub installation(actual, valueName)
    Dim v
    On Error Resume Next
    v = sh.RegRead(k & valueName)
    If Err.Number <> 0 Then v = ""
    Err.Clear
    On Error Goto 0
    eq actual, CStr(v), valueName
End Sub
installation w.LicensingInfo, "LicensingInfo"
installation w.RegisteredOwner, "RegisteredOwner"
installation w.RegisteredOrganization, "RegisteredOrganization"
installation w.ProductType, "ProductType"
installation w.ProductKey, "ProductKey"
installation w.ProductName, "ProductName"
installation w.ProductId, "ProductId"
installation w.PlusVersionNumber, "Plus! VersionNumber"
eq TypeName(w.PlusVersionNumber), "String", "a missing value is a String"

On Error Resume Next
x = w.UserName(1)
raised 450, "", "no arguments taken"
x = w.NoSuchMember
raised 438, "", "unknown member"
On Error Goto 0

Finish
