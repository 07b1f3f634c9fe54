' The cost of a late-bound call of a trivial member of ours from VBScript, against
' Scripting.Dictionary.Exists (the platform's own automation server) and against a
' plain VBScript function call, all measured in this run with the loop subtracted.
Function Plain(x)
    Plain = x
End Function

Set key = CreateObject("TVOrvaneSuite.OVRegistryKey")
key.KeyNames = "Software"
Set dictionary = CreateObject("Scripting.Dictionary")
dictionary.Add "Software", 1
count = 200000

Function Measure(kind)
    Dim start, i, x
    start = Timer
    Select Case kind
    Case 0
        For i = 1 To count: Next
    Case 1
        For i = 1 To count: x = key.KeyNames: Next
    Case 2
        For i = 1 To count: x = dictionary.Exists("Software"): Next
    Case 3
        For i = 1 To count: x = Plain(i): Next
    End Select
    Measure = Timer - start
End Function

loopOnly = Measure(0)
ours = Measure(1) - loopOnly
peer = Measure(2) - loopOnly
plainCall = Measure(3) - loopOnly
WScript.Echo "per call: ours " & FormatNumber(ours / count * 1000000, 2) & " us, Dictionary.Exists " & _
    FormatNumber(peer / count * 1000000, 2) & " us, VBScript function " & FormatNumber(plainCall / count * 1000000, 2) & " us"
WScript.Echo "ratio ours / Dictionary.Exists = " & FormatNumber(ours / peer, 2) & " (target <= 1.00)"
WScript.Echo "ratio ours / VBScript function = " & FormatNumber(ours / plainCall, 2)
WScript.Quit 0
