' Draining 100,000 keyed records of OVRegistryKeys from VBScript, the way a script
' empties a collection: Remove 1 until empty, and Remove by key oldest first; against
' Scripting.Dictionary removing the same keys oldest first. Only the drain is timed, and
' the loop alone, with the same text made per step, is subtracted. Timer moves in steps
' of several milliseconds, so each measurement fills and drains again until the drains
' together last at least a second, and gives the time of one drain.
' Each measurement is repeated; the median and the spread (lowest to highest) of the
' runs are printed.
count = 100000
runs = 3

Dim keys, dictionary

Sub Fill(kind)
    Dim i, k
    If kind = 3 Then
        Set dictionary = CreateObject("Scripting.Dictionary")
        For i = 1 To count: k = "k" & i: dictionary.Add k, i: Next
    Else
        Set keys = CreateObject("TVOrvaneSuite.OVRegistryKeys")
        For i = 1 To count: k = "k" & i: keys.Add k, k: Next
    End If
End Sub

Function Drain(kind)
    Dim start, i, k
    If kind > 0 Then Fill kind
    start = Timer
    Select Case kind
    Case 0
        For i = 1 To count: k = "k" & i: Next
    Case 1
        For i = 1 To count: k = "k" & i: keys.Remove 1: Next
    Case 2
        For i = 1 To count: k = "k" & i: keys.Remove k: Next
    Case 3
        For i = 1 To count: k = "k" & i: dictionary.Remove k: Next
    End Select
    Drain = Timer - start
    If kind = 3 Then
        If dictionary.Count <> 0 Then WScript.Echo "Dictionary not drained": WScript.Quit 1
    ElseIf kind > 0 Then
        If keys.Count <> 0 Then WScript.Echo "OVRegistryKeys not drained": WScript.Quit 1
    End If
End Function

' Seconds for one drain, from as many drains as make up a second.
Function Measure(kind)
    Dim total, drains
    total = 0
    drains = 0
    Do
        total = total + Drain(kind)
        drains = drains + 1
    Loop While total < 1
    Measure = total / drains
End Function

Dim first(9), oldest(9), peer(9), firstRatio(9), oldestRatio(9)
For run = 0 To runs - 1
    loopOnly = Measure(0)
    first(run) = (Measure(1) - loopOnly) / count
    oldest(run) = (Measure(2) - loopOnly) / count
    peer(run) = (Measure(3) - loopOnly) / count
    firstRatio(run) = first(run) / peer(run)
    oldestRatio(run) = oldest(run) / peer(run)
Next
WScript.Echo runs & " runs, each of as many drains of " & count & " keyed records as last a second; median (lowest to highest)"
WScript.Echo "whole drain, s: Remove 1 " & Summary(first, runs, count, 2) & ", Remove by key oldest first " & _
    Summary(oldest, runs, count, 2) & ", Dictionary.Remove oldest first " & Summary(peer, runs, count, 2)
WScript.Echo "ratio OVRegistryKeys Remove 1 / Dictionary = " & Summary(firstRatio, runs, 1, 2) & " (target <= 1.0)"
WScript.Echo "ratio OVRegistryKeys Remove by key / Dictionary = " & Summary(oldestRatio, runs, 1, 2) & " (target <= 1.0)"
WScript.Quit 0
