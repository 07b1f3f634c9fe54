' Math functions, a stack and an indexed linked list from a script client.
Set math = CreateObject("TVOrvaneSuite.OVMath")

WScript.Echo "== Math functions =="
counter = 5
math.Inc counter
WScript.Echo "Inc of 5 leaves " & counter & " in the variable; Inc by 10 gives " & math.Inc(counter, 10)
counter = 32767
math.Inc counter
WScript.Echo "Inc of the Integer 32767 gives " & counter & " (" & TypeName(counter) & ")"
WScript.Echo "Log10(10) = " & math.Log10(10) & " (the rounded constant falls just short of 1)"
WScript.Echo "LogX(8, 2) = " & math.LogX(8, 2)
WScript.Echo "Ceil(2) = " & math.Ceil(2) & ", Floor(-2.5) = " & math.Floor(-2.5) & _
    ", AbsCeil(-2.5, True) = " & math.AbsCeil(-2.5, True)
WScript.Echo "ASin(1) = " & math.ASin(1) & ", ACos(-1) = " & math.ACos(-1) & ", ACot(-1) = " & math.ACot(-1)
WScript.Echo "SinH(1) = " & math.SinH(1) & ", TanH(0.5) = " & math.TanH(0.5) & ", ASinH(1) = " & math.ASinH(1)
On Error Resume Next
x = math.ATanH(0)
WScript.Echo "ATanH(0): error " & Err.Number & ": " & Err.Description
Err.Clear
x = math.ACosH(0.5)
WScript.Echo "ACosH(0.5): error " & Err.Number & ": " & Err.Description
Err.Clear
On Error Goto 0

WScript.Echo "== Stack =="
Set stack = CreateObject("TVOrvaneSuite.OVStack")
stack.Push 1
stack.Push "two"
stack.Push 3
WScript.Echo "pushed 1, ""two"", 3: Count = " & stack.Count & ", Peek = " & stack.Peek
Do While stack.Count > 0
    WScript.Echo "  Pop = " & stack.Pop
Loop
On Error Resume Next
x = stack.Pop
WScript.Echo "Pop on the empty stack: error " & Err.Number & ": " & Err.Description
Err.Clear
On Error Goto 0

WScript.Echo "== Linked list =="
Set list = CreateObject("TVOrvaneSuite.OVLinkedList")
a = list.Add("a")
c = list.Add("c")
b = list.Add("b", c)
front = list.Add("front", -1)
WScript.Echo "slots: a " & a & ", c " & c & ", b (before c) " & b & ", front " & front
line = ""
list.MoveFirst
Do While Not list.EOL
    line = line & list.Item() & "(" & list.CurrentIndex & ") "
    list.MoveNext
Loop
WScript.Echo "walk: " & line
WScript.Echo "Find(""c"") = " & list.Find("c") & "; Find(""b"") = " & list.Find("b") & _
    " (Find goes by slot number up to the tail's slot " & c & ", and b sits in slot " & b & ")"
list.Remove a
WScript.Echo "after Remove " & a & ": Count = " & list.Count & ", CheckIndex(" & a & ") = " & list.CheckIndex(a) & _
    ", the next Add takes slot " & list.Add("again")
On Error Resume Next
list.Move 50
WScript.Echo "Move 50 (a free slot): error " & Err.Number & ": " & Err.Description
Err.Clear
On Error Goto 0
list.RemoveAll
WScript.Echo "after RemoveAll: Count = " & list.Count & ", IsEmpty = " & list.IsEmpty
WScript.Quit 0
