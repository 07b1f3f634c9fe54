' OVStack Push and Pop from VBScript against the same loop on Scripting.Dictionary
' Add and Remove (the platform's own automation server), measured in this run with
' the loop subtracted. The keys are texts: Wine's Dictionary reports a duplicate key
' (457) for distinct numeric keys after about 1,200 of them. Every loop, the subtracted
' one included, makes the same text and the same assignment per step, so only the
' calls differ; each loop lasts at least a second (PerStep). Each measurement is
' repeated; the median and the spread (lowest to highest) of the runs are printed.
Set stack = CreateObject("TVOrvaneSuite.OVStack")
Set dictionary = CreateObject("Scripting.Dictionary")
count = 50000
runs = 3

Function Measure(kind)
    Dim start, i, k, x
    start = Timer
    Select Case kind
    Case 0
        For i = 1 To count: k = CStr(i): Next
        For i = count To 1 Step -1: k = CStr(i): x = k: Next
    Case 1
        For i = 1 To count: k = CStr(i): stack.Push k: Next
        For i = count To 1 Step -1: k = CStr(i): x = stack.Pop: Next
    Case 2
        For i = 1 To count: k = CStr(i): dictionary.Add k, i: Next
        For i = count To 1 Step -1: k = CStr(i): dictionary.Remove k: x = k: Next
    End Select
    Measure = Timer - start
End Function

Dim ours(9), peer(9), ratio(9)
For run = 0 To runs - 1
    loopOnly = PerStep(0)
    ours(run) = (PerStep(1) - loopOnly) / 2
    peer(run) = (PerStep(2) - loopOnly) / 2
    ratio(run) = ours(run) / peer(run)
Next
WScript.Echo runs & " runs of pushes and pops, each loop timed over at least a second; median (lowest to highest)"
WScript.Echo "per operation, us: Push/Pop " & Summary(ours, runs, 1000000, 2) & _
    ", Dictionary Add/Remove " & Summary(peer, runs, 1000000, 2)
WScript.Echo "ratio OVStack / Scripting.Dictionary = " & Summary(ratio, runs, 1, 2)
WScript.Quit 0
