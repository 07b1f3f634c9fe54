' OVStack Push and Pop from VBScript against the same loop on Scripting.Dictionary
' Add and Remove (the platform's own automation server), measured in this run with
' the empty loop subtracted. The keys are texts: Wine's Dictionary reports a
' duplicate key (457) for distinct numeric keys after about 1,200 of them. Every loop
' makes the same text, so the conversion cancels out.
Set stack = CreateObject("TVOrvaneSuite.OVStack")
Set dictionary = CreateObject("Scripting.Dictionary")
count = 50000

Function Measure(kind)
    Dim start, i, x
    start = Timer
    Select Case kind
    Case 0
        For i = 1 To count: x = CStr(i): Next
        For i = count To 1 Step -1: x = CStr(i): Next
    Case 1
        For i = 1 To count: stack.Push CStr(i): Next
        For i = count To 1 Step -1: x = CStr(i): x = stack.Pop: Next
    Case 2
        For i = 1 To count: dictionary.Add CStr(i), i: Next
        For i = count To 1 Step -1: dictionary.Remove CStr(i): Next
    End Select
    Measure = Timer - start
End Function

loopOnly = Measure(0)
ours = Measure(1) - loopOnly
peer = Measure(2) - loopOnly
WScript.Echo "per operation: Push/Pop " & FormatNumber(ours / (2 * count) * 1000000, 2) & " us, Dictionary Add/Remove " & _
    FormatNumber(peer / (2 * count) * 1000000, 2) & " us"
WScript.Echo "ratio OVStack / Scripting.Dictionary = " & FormatNumber(ours / peer, 2)
WScript.Quit 0
