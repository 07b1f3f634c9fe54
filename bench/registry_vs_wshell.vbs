' OVRegistry.WriteValue + ReadValue of a REG_SZ from VBScript against WScript.Shell's
' RegWrite + RegRead of the same value (the platform's own automation server),
' measured in this run with the empty loop subtracted. Works under a private key of
' HKEY_CURRENT_USER and removes it again.
Const HKCU = &H80000001
Set reg = CreateObject("TVOrvaneSuite.OVRegistry")
Set sh = CreateObject("WScript.Shell")
k = "Software\OrvaneSuiteBench"
shellPath = "HKCU\" & k & "\Shell"
count = 1000

Function Measure(kind)
    Dim start, i, x
    start = Timer
    Select Case kind
    Case 0
        For i = 1 To count: x = i: Next
    Case 1
        For i = 1 To count
            reg.WriteValue HKCU, k, 1, "Ours", "value " & i
            x = reg.ReadValue(HKCU, k, "Ours")
        Next
    Case 2
        For i = 1 To count
            sh.RegWrite shellPath, "value " & i, "REG_SZ"
            x = sh.RegRead(shellPath)
        Next
    End Select
    Measure = Timer - start
End Function

loopOnly = Measure(0)
ours = Measure(1) - loopOnly
peer = Measure(2) - loopOnly
check = (reg.ReadValue(HKCU, k, "Ours") = sh.RegRead(shellPath))
reg.DeleteValue HKCU, k, "Ours"
reg.DeleteValue HKCU, k, "Shell"
reg.DeleteKey HKCU, k
WScript.Echo "per write+read: OVRegistry " & FormatNumber(ours / count * 1000000, 2) & " us, WScript.Shell " & _
    FormatNumber(peer / count * 1000000, 2) & " us (same final value: " & check & ")"
WScript.Echo "ratio OVRegistry / WScript.Shell = " & FormatNumber(ours / peer, 2) & " (target: 1.00 or less)"
WScript.Quit 0
