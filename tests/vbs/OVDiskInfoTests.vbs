' OVDiskInfo from a script client, checked against Scripting.FileSystemObject's
' Drive object for the system drive.
Plan 27  ' and one per drive, planned at the drive loop

Set d = CreateObject("TVOrvaneSuite.OVDiskInfo")
Set fso = CreateObject("Scripting.FileSystemObject")

' Without a drive name every query gives its default.
eq d.DriveName, "", "DriveName starts empty"
eq d.TotalSpace, CCur(0), "TotalSpace without a drive"
eq d.DriveType, CLng(0), "DriveType without a drive"
eq d.SerialNumber, "", "SerialNumber without a drive"
eq d.IsFixed, False, "IsFixed without a drive"

d.DriveName = "C:\"
Set c = fso.GetDrive("C:")
total = d.TotalSpace
eq TypeName(total), "Currency", "TotalSpace subtype"
ok CDbl(total) = c.TotalSize, "TotalSpace agrees with TotalSize"
' A live disk's free space moves while other programs write: a figure must lie between
' the platform's answers taken just before and just after the call, and equal them when
' they agree (tried until a quiet moment, if one comes).
Function between(figure, before, after)
    If before <= after Then
        between = (figure >= before And figure <= after)
    Else
        between = (figure >= after And figure <= before)
    End If
End Function
For attempt = 1 To 20
    before = c.FreeSpace
    free = CDbl(d.FreeSpace)
    after = c.FreeSpace
    If before = after Then Exit For
Next
ok between(free, before, after), "FreeSpace agrees with the platform's FreeSpace around it"
For attempt = 1 To 20
    before = c.FreeSpace
    used = CDbl(d.TotalSpaceUsed)
    after = c.FreeSpace
    If before = after Then Exit For
Next
ok between(CDbl(total) - used, before, after), "TotalSpaceUsed is the total less the free space"
ok total = Int(total), "whole bytes"
eq d.VolumeName, c.VolumeName, "VolumeName"
eq d.FileSystemName, c.FileSystem, "FileSystemName"
h = Hex(c.SerialNumber)
eq d.SerialNumber, Left(h, 4) & "-" & Mid(h, 5), "SerialNumber"
eq d.DriveType, CLng(3), "DriveType of C:"
eq d.IsFixed, True, "IsFixed"
eq d.IsCDROM, False, "IsCDROM"
eq d.IsNTFS, c.FileSystem = "NTFS", "IsNTFS"
eq d.IsFAT16, False, "IsFAT16"

' An empty variable is given DriveName; another drive overrides it.
s = ""
x = d.DriveType(s)
eq s, "C:\", "the empty argument now holds DriveName"
d.DriveName = ""
s = "C:\"
ok CDbl(d.TotalSpace(s)) = c.TotalSize, "OverridingDriveName"
eq d.TotalSpace("Q:\nowhere\"), CCur(0), "a root the platform refuses"
eq d.SerialNumber("Q:\nowhere\"), "0-", "serial of a refused root"

Set drives = d.GetLocalDrive
eq drives.Count, fso.Drives.Count, "one entry per drive"
Plan fso.Drives.Count
For Each drive In fso.Drives
    eq drives(drive.DriveLetter & ":\"), drive.DriveLetter & ":\", "drive " & drive.DriveLetter & " by key"
Next
eq drives(1), "C:\", "first entry"
ok Not (drives Is d.GetLocalDrive), "a new collection each call"

On Error Resume Next
x = drives("nowhere")
raised 5, "", "unknown key"
x = d.NoSuchMember
raised 438, "", "unknown member"
On Error Goto 0

Finish
