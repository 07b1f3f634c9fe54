' OVHelp from a script client, against the real help functions on a missing file
' (only the commands that return at once: the others wait for an answer in a box).

Plan 7

Set help = CreateObject("TVOrvaneSuite.OVHelp")
missing = "C:\no\such\guide.chm"
r = help.RunHtmlHelp(0, missing, 0)
ok IsEmpty(r), "RunHtmlHelp with a missing file returns Empty"
eq missing, "C:\no\such\guide.chm", "the file keeps its text"
w = 0
f = "C:\no\such\guide.hlp"
ok IsEmpty(help.RunWinHelp(w, f, 9)), "RunWinHelp with ovHELP_FORCEFILE returns Empty"
ok IsEmpty(help.RunWinHelp(w, f, 2)), "RunWinHelp with ovHELP_QUIT returns Empty"
eq w, 0, "the window variable keeps its number"

On Error Resume Next
help.RunHtmlHelp 0, missing, "not a number"
raised 13, "", "a command that is not a number"
help.RunHtmlHelp
raised 449, "", "arguments missing"
On Error GoTo 0
Finish
