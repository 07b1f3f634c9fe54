' OVSpecialFolders from a script client: the current directory, every folder constant,
' and agreement with WScript.Shell's SpecialFolders where both name the same folder.
Plan 15  ' and those of the two folder loops, planned there

Set f = CreateObject("TVOrvaneSuite.OVSpecialFolders")
Set sh = CreateObject("WScript.Shell")
Set fso = CreateObject("Scripting.FileSystemObject")

' WScript.Shell's folder names and the constants of the same folders.
names = Array("Desktop", 16, "Favorites", 6, "Fonts", 20, "MyDocuments", 5, "Programs", 2, _
    "Recent", 8, "SendTo", 9, "StartMenu", 11, "Startup", 7, "Templates", 21, "NetHood", 19, _
    "PrintHood", 27, "AllUsersDesktop", 25, "AllUsersStartMenu", 22, "AllUsersPrograms", 23, _
    "AllUsersStartup", 24)
compared = 0
For i = 0 To UBound(names) Step 2
    On Error Resume Next
    theirs = ""
    theirs = sh.SpecialFolders(names(i))
    Err.Clear
    On Error GoTo 0
    ' This Wine answers only some names; an empty answer names no folder.
    If theirs <> "" Then
        compared = compared + 1
        eq f.SpecialFolders(names(i + 1)), theirs, names(i)
    End If
Next
Plan compared
ok compared >= 3, "compared with WScript.Shell at least three times"

constants = Array(2, 4, 5, 6, 7, 8, 9, 11, 16, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, _
    31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 2305)
Plan UBound(constants) + 1
For Each c In constants
    p = f.SpecialFolders(c)
    ok Len(p) > 0, "folder " & c
Next

windowsDir = fso.GetSpecialFolder(0).Path
eq UCase(f.SpecialFolders(36)), UCase(windowsDir), "ovaWindows"
eq UCase(f.SpecialFolders(37)), UCase(fso.GetSpecialFolder(1).Path), "ovaSystem"
tempDir = fso.GetSpecialFolder(2).Path
If Right(tempDir, 1) = "\" Then tempDir = Left(tempDir, Len(tempDir) - 1)
eq UCase(f.SpecialFolders(2305)), UCase(tempDir), "ovaTemp without its backslash"
ok Right(f.SpecialFolders(2305), 1) <> "\", "no trailing backslash"
eq f.SpecialFolders(38), sh.RegRead("HKLM\Software\Microsoft\Windows\CurrentVersion\ProgramFilesDir"), "ovaProgramFiles"
eq f.SpecialFolders("36"), f.SpecialFolders(36), "a numeric text arrives as its number"

' The current directory.
before = f.GetCurrentDir
d = windowsDir
ok IsEmpty(f.SetCurrentDir(d)), "SetCurrentDir returns Empty"
eq d, windowsDir, "the variable keeps its text"
eq UCase(f.GetCurrentDir), UCase(windowsDir), "GetCurrentDir after SetCurrentDir"
eq f.GetCurrentDir, sh.CurrentDirectory, "agrees with WScript.Shell"
ok IsEmpty(f.SetCurrentDir("C:\no\such\directory")), "a missing directory: still Empty"
eq UCase(f.GetCurrentDir), UCase(windowsDir), "and nothing changed"
f.SetCurrentDir before
eq f.GetCurrentDir, before, "back where it started"

On Error Resume Next
x = f.SpecialFolders("desktop")
raised 13, "", "a text that is no number"
On Error Goto 0

Finish
