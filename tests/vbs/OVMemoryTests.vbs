' OVMemory from a script client: Long figures taken once, at creation.

Set m = CreateObject("TVOrvaneSuite.OVMemory")
For Each figure In Array(m.AvailablePageFile, m.AvailablePhysical, m.AvailableVirtual, m.Length, m.MemoryLoad, _
        m.TotalPageFile, m.TotalPhysical, m.TotalVirtual, m.MaximumApplicationAddress, _
        m.MinimumApplicationAddress, m.AllocationGranularity, m.PageSize)
    eq TypeName(figure), "Long", "every figure is a Long"
Next
ok m.Length > 0, "Length is what the platform wrote"
ok m.MemoryLoad >= 0 And m.MemoryLoad <= 100, "MemoryLoad is a percentage"
eq m.PageSize, CLng(4096), "PageSize"
eq m.AllocationGranularity, CLng(65536), "AllocationGranularity"
eq m.MinimumApplicationAddress, CLng(65536), "MinimumApplicationAddress"
' A snapshot: the same figure however memory use changes.
first = m.AvailablePhysical
Dim filler
filler = Space(20000000)
eq m.AvailablePhysical, first, "AvailablePhysical is not refreshed"
filler = Empty

On Error Resume Next
x = m.AvailablePhysical(1)
ok Err.Number <> 0, "no arguments taken"
Err.Clear
On Error Goto 0

Finish
