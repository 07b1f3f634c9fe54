' OVStack from a script client.
Plan 14

Set s = CreateObject("TVOrvaneSuite.OVStack")
eq s.Count, CLng(0), "new stack"
s.Push 1
s.Push "a"
s.Push 3
eq s.Count, CLng(3), "three pushed"
eq s.Peek, 3, "Peek"
eq s.Count, CLng(3), "Peek removes nothing"
eq s.Pop, 3, "Pop 3"
eq s.Pop, "a", "Pop a"
eq s.Pop, 1, "Pop 1"
eq s.Count, CLng(0), "empty again"

Set d = CreateObject("Scripting.Dictionary")
s.Push d
Set back = s.Pop
ok back Is d, "an object comes back as the same object"
x = "kept"
s.Push x
x = "changed"
eq s.Pop, "kept", "values are stored as copies"

On Error Resume Next
y = s.Pop
ok Err.Source = "TVOrvaneSuite.OVStack", "source"
raised 9, "Subscript out of range", "Pop on an empty stack"
y = s.Peek
raised 9, "Subscript out of range", "Peek on an empty stack"
On Error Goto 0
eq s.Count, CLng(0), "still empty"

Finish
