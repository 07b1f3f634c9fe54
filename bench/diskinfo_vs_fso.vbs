' OVDiskInfo.FreeSpace from VBScript against FileSystemObject.GetDrive("C:").FreeSpace
' (the platform's own automation server), measured in this run with the empty loop
' subtracted. Both ask the platform afresh on every call.
Set disk = CreateObject("TVOrvaneSuite.OVDiskInfo")
Set fso = CreateObject("Scripting.FileSystemObject")
disk.DriveName = "C:\"
count = 2000

Function Measure(kind)
    Dim start, i, x
    start = Timer
    Select Case kind
    Case 0
        For i = 1 To count: x = i: Next
    Case 1
        For i = 1 To count: x = disk.FreeSpace: Next
    Case 2
        For i = 1 To count: x = fso.GetDrive("C:").FreeSpace: Next
    End Select
    Measure = Timer - start
End Function

loopOnly = Measure(0)
ours = Measure(1) - loopOnly
peer = Measure(2) - loopOnly
WScript.Echo "per call: OVDiskInfo.FreeSpace " & FormatNumber(ours / count * 1000000, 2) & " us, FileSystemObject " & _
    FormatNumber(peer / count * 1000000, 2) & " us"
WScript.Echo "ratio OVDiskInfo / FileSystemObject = " & FormatNumber(ours / peer, 2) & " (target: 1.00 or less)"
WScript.Quit 0
