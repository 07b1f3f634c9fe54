' OVRegistry.WriteValue + ReadValue of a REG_SZ from VBScript against WScript.Shell's
' RegWrite + RegRead of the same value (the platform's own automation server),
' measured in this run with the loop subtracted. Works under a private key of
' HKEY_CURRENT_USER and removes it again. Each loop lasts at least a second (PerStep).
' Each measurement is repeated; the median and the spread (lowest to highest) of the
' runs are printed.
Const HKCU = &H80000001
Set reg = CreateObject("TVOrvaneSuite.OVRegistry")
Set sh = CreateObject("WScript.Shell")
k = "Software\OrvaneSuiteBench"
shellPath = "HKCU\" & k & "\Shell"
count = 1000
runs = 3

Function Measure(kind)
    Dim start, i, v, x
    start = Timer
    Select Case kind
    Case 0
        For i = 1 To count: v = "value " & i: x = v: Next
    Case 1
        For i = 1 To count
            v = "value " & i
            reg.WriteValue HKCU, k, 1, "Ours", v
            x = reg.ReadValue(HKCU, k, "Ours")
        Next
    Case 2
        For i = 1 To count
            v = "value " & i
            sh.RegWrite shellPath, v, "REG_SZ"
            x = sh.RegRead(shellPath)
        Next
    End Select
    Measure = Timer - start
End Function

Dim ours(9), peer(9), ratio(9)
For run = 0 To runs - 1
    loopOnly = PerStep(0)
    ours(run) = PerStep(1) - loopOnly
    peer(run) = PerStep(2) - loopOnly
    ratio(run) = ours(run) / peer(run)
Next
' The loops ran different counts, so both sides write one last value and read it back.
reg.WriteValue HKCU, k, 1, "Ours", "last value"
sh.RegWrite shellPath, "last value", "REG_SZ"
check = (reg.ReadValue(HKCU, k, "Ours") = "last value" And sh.RegRead(shellPath) = "last value")
reg.DeleteValue HKCU, k, "Ours"
reg.DeleteValue HKCU, k, "Shell"
reg.DeleteKey HKCU, k
WScript.Echo runs & " runs of writes and reads, each loop timed over at least a second; median (lowest to highest)"
WScript.Echo "per write+read, us: OVRegistry " & Summary(ours, runs, 1000000, 2) & ", WScript.Shell " & _
    Summary(peer, runs, 1000000, 2) & " (both read back what they wrote: " & check & ")"
WScript.Echo "ratio OVRegistry / WScript.Shell = " & Summary(ratio, runs, 1, 2) & " (target: 1.00 or less)"
WScript.Quit 0
