' OVFileVersion from a script client: a system library's resource, subtypes and errors.
Plan 21

Set v = CreateObject("TVOrvaneSuite.OVFileVersion")
Set fso = CreateObject("Scripting.FileSystemObject")
system = fso.GetSpecialFolder(1).Path & "\"

eq v.FileName, "", "FileName starts empty"
v.FileName = system & "kernel32.dll"
eq v.FileName, system & "kernel32.dll", "FileName stored"
eq v.FileType, "Dynamic Link Library (DLL)", "FileType of a library"
eq TypeName(v.FileVerMajorHI), "Integer", "FileVerMajorHI is an Integer"
' The platform's own reading of the same resource.
platformVersion = fso.GetFileVersion(system & "kernel32.dll")
words = Split(platformVersion, ".")
eq UBound(words), CLng(3), "the platform reads four version words"
eq v.FileVersionString, platformVersion, "FileVersionString agrees with FileSystemObject.GetFileVersion"
eq v.FileVerMajorHI, CInt(words(0)), "FileVerMajorHI"
eq v.FileVerMajorLO, CInt(words(1)), "FileVerMajorLO"
eq v.FileVerMinorHI, CInt(words(2)), "FileVerMinorHI"
eq v.FileVerMinorLO, CInt(words(3)), "FileVerMinorLO"
ok Len(v.CompanyName) > 0, "CompanyName"
ok Len(v.ProductVersionString) > 0, "ProductVersionString"
eq LCase(v.OriginalFilename), "kernel32.dll", "OriginalFilename"
eq TypeName(v.Comments), "String", "Comments is a String"
eq TypeName(v.PrivateBuild), "String", "PrivateBuild is a String"

v.FileName = system & "shell32.dll"
eq LCase(v.OriginalFilename), "shell32.dll", "a changed FileName is read afresh"

On Error Resume Next
v.FileName = system & "no-such-file.dll"
x = v.CompanyName
raised 9, "Subscript out of range", "CompanyName without a resource"
x = v.Comments
raised 9, "", "the tolerant members raise 9 too"
x = v.FileVersionString
ok Err.Source = "TVOrvaneSuite.OVFileVersion", "source"
raised 9, "", "FileVersionString without a resource"
v.FileName = ""
x = v.FileType
raised 9, "", "FileType of the empty name"
On Error GoTo 0

Finish
