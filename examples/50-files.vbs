' Files: the version resource of a system library, and the icons of shell32.dll.

Set fso = CreateObject("Scripting.FileSystemObject")
system = fso.GetSpecialFolder(1).Path & "\"

Set version = CreateObject("TVOrvaneSuite.OVFileVersion")
version.FileName = system & "kernel32.dll"
WScript.Echo "File:              " & version.FileName
WScript.Echo "Kind:              " & version.FileType
WScript.Echo "File version:      " & version.FileVersionString & _
    " (major " & version.FileVerMajorHI & "." & version.FileVerMajorLO & _
    ", minor " & version.FileVerMinorHI & "." & version.FileVerMinorLO & ")"
WScript.Echo "Product version:   " & version.ProductVersionString
WScript.Echo "Product:           " & version.ProductName
WScript.Echo "Company:           " & version.CompanyName
WScript.Echo "Description:       " & version.FileDescription
WScript.Echo "Original name:     " & version.OriginalFilename
WScript.Echo "Internal name:     " & version.InternalName
WScript.Echo "Copyright:         " & version.LegalCopyright
WScript.Echo "Comments:          [" & version.Comments & "]"

' A file without a version resource raises error 9 in every query.
version.FileName = system & "no-such-file.dll"
On Error Resume Next
description = version.FileDescription
WScript.Echo "Missing file:      error " & Err.Number & " (" & Err.Description & ")"
Err.Clear
On Error GoTo 0

Set icons = CreateObject("TVOrvaneSuite.OVExtractIcon")
icons.FileName = system & "shell32.dll"
WScript.Echo "Icons in shell32:  " & icons.Count
' Extract draws onto a host's device context; without one (0) it draws nothing,
' but still takes the 1-based number down to the zero-based one.
number = 1
icons.Extract number, 2, 0, 0, 0
WScript.Echo "Index afterwards:  " & number

WScript.Quit 0
