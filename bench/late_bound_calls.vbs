' The cost of late-bound calls of ours from VBScript against the platform's own
' automation server (Scripting.Dictionary) doing the same work, and against a plain
' VBScript function call, all measured in this run with the loop subtracted:
'   a property get without arguments: OVRegistryKeys.Count against Dictionary.Count;
'   a one-argument method giving a Boolean: OVLinkedList.CheckIndex(1) against
'   Dictionary.Exists(1), both looking up the same integer.
' Every loop, the subtracted one included, makes the same assignment, and each lasts at
' least a second (PerStep). Each measurement is repeated; the median and the spread
' (lowest to highest) of the runs are printed.
Function Plain(x)
    Plain = x
End Function

Set keys = CreateObject("TVOrvaneSuite.OVRegistryKeys")
keys.Add "Software", "Software"
Set list = CreateObject("TVOrvaneSuite.OVLinkedList")
list.Add "Software"
Set dictionary = CreateObject("Scripting.Dictionary")
dictionary.Add "Software", 1
dictionary.Add 1, 1
count = 50000
runs = 3

Function Measure(kind)
    Dim start, i, x
    start = Timer
    Select Case kind
    Case 0
        For i = 1 To count: x = i: Next
    Case 1
        For i = 1 To count: x = keys.Count: Next
    Case 2
        For i = 1 To count: x = dictionary.Count: Next
    Case 3
        For i = 1 To count: x = list.CheckIndex(1): Next
    Case 4
        For i = 1 To count: x = dictionary.Exists(1): Next
    Case 5
        For i = 1 To count: x = Plain(i): Next
    End Select
    Measure = Timer - start
End Function

Dim ourGet(9), peerGet(9), ourCall(9), peerCall(9), plainCall(9), getRatio(9), callRatio(9), plainRatio(9)
For run = 0 To runs - 1
    loopOnly = PerStep(0)
    ourGet(run) = PerStep(1) - loopOnly
    peerGet(run) = PerStep(2) - loopOnly
    ourCall(run) = PerStep(3) - loopOnly
    peerCall(run) = PerStep(4) - loopOnly
    plainCall(run) = PerStep(5) - loopOnly
    getRatio(run) = ourGet(run) / peerGet(run)
    callRatio(run) = ourCall(run) / peerCall(run)
    plainRatio(run) = ourCall(run) / plainCall(run)
Next
WScript.Echo runs & " runs, each loop timed over at least a second; median (lowest to highest)"
WScript.Echo "per call, us: OVRegistryKeys.Count " & Summary(ourGet, runs, 1000000, 2) & _
    ", Dictionary.Count " & Summary(peerGet, runs, 1000000, 2)
WScript.Echo "per call, us: OVLinkedList.CheckIndex " & Summary(ourCall, runs, 1000000, 2) & _
    ", Dictionary.Exists(1) " & Summary(peerCall, runs, 1000000, 2) & ", VBScript function " & Summary(plainCall, runs, 1000000, 2)
WScript.Echo "ratio OVRegistryKeys.Count / Dictionary.Count = " & Summary(getRatio, runs, 1, 2) & " (target <= 1.00)"
WScript.Echo "ratio OVLinkedList.CheckIndex(1) / Dictionary.Exists(1) = " & Summary(callRatio, runs, 1, 2) & " (target <= 1.00)"
WScript.Echo "ratio OVLinkedList.CheckIndex / VBScript function = " & Summary(plainRatio, runs, 1, 2)
WScript.Quit 0
