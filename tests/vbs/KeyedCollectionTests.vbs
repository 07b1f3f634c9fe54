' The keyed collections and their records from a script client.
Plan 23
Set keys = CreateObject("TVOrvaneSuite.OVRegistryKeys")
eq keys.Count, CLng(0), "a new collection is empty"
n = 0
For Each k In keys
    n = n + 1
Next
eq n, 0, "For Each over an empty collection runs no iteration"

name = "Run"
Set first = keys.Add(name, "")
keys.Add "Run"
eq keys.Count, CLng(2), "an empty key appends without a key"
Set third = keys.Add("RunOnce", "once")
ok third Is keys("ONCE"), "keys ignore case and Item returns the stored record"
ok first Is keys(1), "Add returns the stored record"
first.KeyNames = "Renamed"
eq keys(1).KeyNames, "Renamed", "assigning to a returned record changes the stored one"

On Error Resume Next
keys.Add "Other", "Once"
raised 457, "This key is already associated with an element of this collection", "duplicate key"
eq keys.Count, CLng(3), "a failed Add leaves the collection unchanged"
' Wine's VBScript drops the error information of a failing default-member call
' written as keys(0), so the errors are checked through Item by name.
x = keys.Item(0).KeyNames
raised 9, "Subscript out of range", "position 0"
x = keys.Item(4).KeyNames
raised 9, "Subscript out of range", "position beyond Count"
x = keys.Item("missing").KeyNames
raised 5, "Invalid procedure call or argument", "unknown key"
x = keys(0).KeyNames
raisedAny "keys(0) fails too"
keys.Remove "missing"
raised 5, "", "Remove with an unknown key"
On Error Goto 0

keys.Remove 1
eq keys(1).KeyNames, "Run", "removal moves later records up"
names = ""
For Each k In keys
    names = names & k.KeyNames & ";"
Next
eq names, "Run;RunOnce;", "For Each yields insertion order"

Set values = CreateObject("TVOrvaneSuite.OVRegistryValues")
data = 42
Set v = values.Add("Answer", data, 4)
eq v.ValueData, 42, "ValueData is a copy of the argument"
data = 0
eq values(1).ValueData, 42, "changing the variable afterwards does not change the record"
eq v.DataType, CLng(4), "DataType"
Set v.ValueData = keys
ok v.ValueData Is keys, "ValueData takes an object reference"
Set empty1 = CreateObject("TVOrvaneSuite.OVRegistryValue")
ok IsEmpty(empty1.ValueData), "a new record holds Empty"
eq empty1.ValueName, "", "and the empty text"

Set folders = CreateObject("TVOrvaneSuite.OVFolderSelectValues")
Set f = folders.Add("Windows", "C:\windows")
eq folders(1).PhysicalLocation, "C:\windows", "folder record"
eq f.TheUserSelected, "Windows", "folder record name"

Finish
