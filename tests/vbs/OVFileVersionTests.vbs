' OVFileVersion from a script client: a system library's resource, subtypes and errors.

Set v = CreateObject("TVOrvaneSuite.OVFileVersion")
Set fso = CreateObject("Scripting.FileSystemObject")
system = fso.GetSpecialFolder(1).Path & "\"

eq v.FileName, "", "FileName starts empty"
v.FileName = system & "kernel32.dll"
eq v.FileName, system & "kernel32.dll", "FileName stored"
eq v.FileType, "Dynamic Link Library (DLL)", "FileType of a library"
eq TypeName(v.FileVerMajorHI), "Integer", "FileVerMajorHI is an Integer"
eq v.FileVersionString, v.FileVerMajorHI & "." & v.FileVerMajorLO & "." & v.FileVerMinorHI & "." & v.FileVerMinorLO, _
    "FileVersionString joins the four words"
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
