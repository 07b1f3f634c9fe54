' OVLinkedList from a script client: slots, cursor, free slots and errors.
Plan 41

Set l = CreateObject("TVOrvaneSuite.OVLinkedList")
eq l.Count, CLng(0), "new list"
ok l.IsEmpty And l.BOL And l.EOL, "new list is empty at both ends"
eq l.CurrentIndex, CLng(0), "no current node"
ok IsEmpty(l.Item()), "Item() with no current node"

eq l.Add("a"), CLng(1), "first slot"
eq l.Add("b"), CLng(2), "second slot"
eq l.Add("c"), CLng(3), "third slot"
l.MoveFirst
eq l.Item(), "a", "first"
l.MoveNext
l.MoveNext
eq l.Item(), "c", "third"
l.MoveNext
eq l.CurrentIndex, CLng(0), "past the end"
ok l.EOL And Not l.BOL, "EOL after the last"
l.MoveLast
l.MovePrevious
l.MovePrevious
l.MovePrevious
ok l.BOL, "BOL before the first"

eq l.Add("x", -1), CLng(4), "x in front"
eq l.Add("y", 0, 1), CLng(5), "y after slot 1"
eq l.Add("z", 2, 1), CLng(6), "z before slot 2, After ignored"
l.MoveFirst
s = ""
steps = 0
' Bounded: a list whose cursor never reaches the end must fail, not hang.
Do While Not l.EOL And steps < 100
    s = s & l.Item()
    l.MoveNext
    steps = steps + 1
Loop
eq s, "xayzbc", "order"

l.Remove 2
ok Not l.CheckIndex(2), "removed slot is free"
eq l.Add("d"), CLng(2), "the freed slot is reused"
l.MoveLast
eq l.Item(), "d", "appended at the end"
l.Remove
eq l.CurrentIndex, CLng(0), "removing the last current node"
ok l.EOL, "then EOL"

eq l.Find("c"), CLng(3), "Find"
eq l.Find("z"), CLng(0), "Find goes by slot number and stops at the tail (slot 3)"
start = 1
eq l.Find("a", start), CLng(1), "Find from 1"
eq start, 1, "StartIndex unchanged, subtype and all"
eq l.Find("a", 2), CLng(0), "Find from a later slot"
ok Not l.CheckIndex(0), "CheckIndex(0)"

l.RemoveAll
eq l.Add("a"), CLng(1), "RemoveAll starts again at slot 1"
For i = 2 To 100
    l.Add i
Next
eq l.Add("w"), CLng(101), "the 101st Add grows the array"
ok Not l.CheckIndex(200), "slots up to 200 exist"
l.SetSize 500
ok Not l.CheckIndex(500), "SetSize(500)"

On Error Resume Next
r = l.CheckIndex(100000)
ok Err.Source = "TVOrvaneSuite.OVLinkedList", "source"
raised 9, "Subscript out of range", "CheckIndex beyond the array"
r = l.Item(300)
raised 9, "Subscript out of range", "Item of a free slot"
l.Move 300
raised 9, "", "Move to a free slot"
l.Remove 300
raised 9, "", "Remove a free slot"
r = l.Add("q", 300)
raised 9, "", "Add before a free slot"
r = l.Find("a", -1)
raised 9, "", "negative StartIndex"
l.SetSize 0
raised 5, "Invalid procedure call or argument", "SetSize(0)"
l.SetSize 10, -1
raised 5, "", "negative ChunkSize"
On Error Goto 0
eq l.Count, CLng(101), "failed calls changed nothing"

Finish
