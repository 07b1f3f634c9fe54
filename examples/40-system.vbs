' A system report from a script client: drives, Windows version, memory, power,
' locale formats and the current screen mode.

WScript.Echo "== Drives =="
Set disk = CreateObject("TVOrvaneSuite.OVDiskInfo")
kinds = Array("unknown", "absent", "removable", "fixed", "remote", "CD-ROM", "RAM disk")
For Each root In disk.GetLocalDrive
    name = root
    WScript.Echo root & "  " & kinds(disk.DriveType(name)) & ", " & disk.FileSystemName(name) & _
        ", label """ & disk.VolumeName(name) & """, serial " & disk.SerialNumber(name)
    WScript.Echo "     " & FormatNumber(disk.TotalSpace(name) / 1048576, 0) & " MiB total, " & _
        FormatNumber(disk.FreeSpace(name) / 1048576, 0) & " MiB free, " & _
        FormatNumber(disk.TotalSpaceUsed(name) / 1048576, 0) & " MiB used (" & TypeName(disk.TotalSpace(name)) & " byte counts)"
Next
blank = ""
disk.DriveName = "C:\"
x = disk.IsFixed(blank)
WScript.Echo "IsFixed with an empty argument uses DriveName, and leaves """ & blank & """ in the variable: " & x

WScript.Echo "== Windows version =="
Set version = CreateObject("TVOrvaneSuite.OVWinVersion")
WScript.Echo version.MajorVersion & "." & version.MinorVersion & "." & version.BuildNumber & _
    " (" & version.OperatingPlatform & ", classified as " & version.OperatingSystem & _
    ", ExtraInfo """ & version.ExtraInfo & """, IsWindowsXP " & version.IsWindowsXP & ")"

WScript.Echo "== Memory (taken when the control was created) =="
Set memory = CreateObject("TVOrvaneSuite.OVMemory")
WScript.Echo "load " & memory.MemoryLoad & "%, physical " & memory.AvailablePhysical & " of " & _
    memory.TotalPhysical & " KiB (32-bit figures: large machines read negative)"
WScript.Echo "page size " & memory.PageSize & ", allocation granularity " & memory.AllocationGranularity & _
    ", record length " & memory.Length

WScript.Echo "== Power =="
Set power = CreateObject("TVOrvaneSuite.OVPower")
WScript.Echo "mains " & power.ACPowerExists & ", battery full " & power.BatteryIsFull & ", charging " & _
    power.BatteryIsCharging & ", low " & power.BatteryIsLow
WScript.Echo "hibernate allowed " & power.IsPowerHibernateAllowed & ", suspend allowed " & _
    power.IsPowerSuspendAllowed & ", power button " & power.PowerButtonPresent

WScript.Echo "== Locale =="
Set locale = CreateObject("TVOrvaneSuite.OVLocaleSettings")
WScript.Echo "date " & locale.DateFormat & ", time " & locale.TimeFormat & ", numbers " & locale.NumberFormat & _
    ", currency " & locale.CurrencySpecifier
WScript.Echo "country " & locale.Country & ", language " & locale.LanguageName & ", system language " & _
    locale.SysLanguageName & " (" & locale.SysLanguageID & ")"

WScript.Echo "== Screen =="
Set screen = CreateObject("TVOrvaneSuite.OVScreenModes")
WScript.Echo screen.ScreenWidth & " x " & screen.ScreenHeight & " at " & screen.ColorBits & " bits per pixel"
WScript.Quit 0
