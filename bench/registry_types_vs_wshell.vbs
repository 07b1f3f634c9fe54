' OVRegistry.WriteValueEx + ReadValueEx of each value type against WScript.Shell's
' RegWrite + RegRead of the same type, where WScript.Shell knows it: REG_SZ,
' REG_EXPAND_SZ, REG_DWORD and REG_BINARY written and read; REG_MULTI_SZ, which
' RegWrite cannot write, read only. REG_QWORD has no peer here: its time is printed
' alone. Loop subtracted; a private key of HKEY_CURRENT_USER, removed at the end.
' Each timed loop lasts at least a second: Timer moves in steps of several milliseconds.
Const HKCU = &H80000001
Set reg = CreateObject("TVOrvaneSuite.OVRegistry")
Set sh = CreateObject("WScript.Shell")
k = "Software\OrvaneSuiteBenchTypes"
shellPath = "HKCU\" & k & "\"
count = 500
runs = 3

kinds = Array("REG_SZ", "REG_EXPAND_SZ", "REG_DWORD", "REG_BINARY", "REG_MULTI_SZ", "REG_QWORD")
types = Array(1, 2, 4, 3, 7, 11)
samples = Array("value", "%TEMP%\x", 123456, Array(1, 2, 3, 4), Array("one", "two"), "18446744073709551615")

Function Measure(who, n)
    Dim start, i, v, x, kind
    kind = kinds(n)
    v = samples(n)
    start = Timer
    Select Case who
    Case 0
        For i = 1 To count: x = v: Next
    Case 1
        If kind = "REG_MULTI_SZ" Then
            For i = 1 To count: x = v: x = reg.ReadValueEx(HKCU, k, "Ours" & kind): Next
        Else
            For i = 1 To count
                x = v
                reg.WriteValueEx HKCU, k, types(n), "Ours" & kind, x
                x = reg.ReadValueEx(HKCU, k, "Ours" & kind)
            Next
        End If
    Case 2
        If kind = "REG_MULTI_SZ" Then
            For i = 1 To count: x = v: x = sh.RegRead(shellPath & "Shell" & kind): Next
        Else
            For i = 1 To count
                x = v
                ' RegWrite takes a binary value as a number, not as bytes.
                If kind = "REG_BINARY" Then x = 67305985
                sh.RegWrite shellPath & "Shell" & kind, x, kind
                x = sh.RegRead(shellPath & "Shell" & kind)
            Next
        End If
    End Select
    Measure = Timer - start
End Function

' Seconds per call of Measure(who, n), its count doubled until one loop lasts a second.
Function PerCall(who, n)
    Dim elapsed
    count = 500
    Do
        elapsed = Measure(who, n)
        If elapsed >= 1 Then Exit Do
        count = count * 2
    Loop
    PerCall = elapsed / count
End Function

' The multi-strings both sides read, written once.
reg.WriteValueEx HKCU, k, 7, "OursREG_MULTI_SZ", samples(4)
reg.WriteValueEx HKCU, k, 7, "ShellREG_MULTI_SZ", samples(4)

WScript.Echo runs & " runs per type, each loop timed over at least a second; median (lowest to highest), us per write+read"
Dim ours(9), peer(9), ratio(9)
For n = 0 To UBound(kinds)
    For run = 0 To runs - 1
        loopOnly = PerCall(0, n)
        ours(run) = PerCall(1, n) - loopOnly
        If kinds(n) <> "REG_QWORD" Then
            peer(run) = PerCall(2, n) - loopOnly
            ratio(run) = ours(run) / peer(run)
        End If
    Next
    what = kinds(n)
    If what = "REG_MULTI_SZ" Then what = what & " (read only)"
    If kinds(n) = "REG_QWORD" Then
        WScript.Echo what & ": OVRegistry " & Summary(ours, runs, 1000000, 2) & " (WScript.Shell has no REG_QWORD)"
    Else
        WScript.Echo what & ": OVRegistry " & Summary(ours, runs, 1000000, 2) & ", WScript.Shell " & _
            Summary(peer, runs, 1000000, 2) & ", ratio " & Summary(ratio, runs, 1, 2) & " (target: 1.00 or less)"
    End If
Next
For Each v In reg.ListValuesEx(HKCU, k)
    reg.DeleteValueEx HKCU, k, v.ValueName
Next
reg.DeleteKeyEx HKCU, k
WScript.Quit 0
