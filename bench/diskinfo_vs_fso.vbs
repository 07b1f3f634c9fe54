' OVDiskInfo.FreeSpace from VBScript against the FreeSpace of FileSystemObject's Drive
' object for C: (the platform's own automation server), measured in this run with the
' loop subtracted. The drive object is taken once, outside the loop, as ours is set up
' once: both then ask the platform afresh on every read. Each loop lasts at least a
' second (PerStep). Each measurement is repeated; the median and the spread (lowest to
' highest) of the runs are printed.
Set disk = CreateObject("TVOrvaneSuite.OVDiskInfo")
Set fso = CreateObject("Scripting.FileSystemObject")
disk.DriveName = "C:\"
Set drive = fso.GetDrive("C:")
count = 2000
runs = 3

Function Measure(kind)
    Dim start, i, x
    start = Timer
    Select Case kind
    Case 0
        For i = 1 To count: x = i: Next
    Case 1
        For i = 1 To count: x = disk.FreeSpace: Next
    Case 2
        For i = 1 To count: x = drive.FreeSpace: Next
    End Select
    Measure = Timer - start
End Function

Dim ours(9), peer(9), ratio(9)
For run = 0 To runs - 1
    loopOnly = PerStep(0)
    ours(run) = PerStep(1) - loopOnly
    peer(run) = PerStep(2) - loopOnly
    ratio(run) = ours(run) / peer(run)
Next
WScript.Echo runs & " runs of reads, each loop timed over at least a second; median (lowest to highest)"
WScript.Echo "per read, us: OVDiskInfo.FreeSpace " & Summary(ours, runs, 1000000, 2) & _
    ", Drive.FreeSpace " & Summary(peer, runs, 1000000, 2)
WScript.Echo "ratio OVDiskInfo / FileSystemObject = " & Summary(ratio, runs, 1, 2) & " (target: 1.00 or less)"
WScript.Quit 0
