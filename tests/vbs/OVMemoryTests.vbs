' OVMemory from a script client: Long figures taken once, at creation.
Plan 19  ' twelve of them in the loop over the figures

Set m = CreateObject("TVOrvaneSuite.OVMemory")
For Each figure In Array(m.AvailablePageFile, m.AvailablePhysical, m.AvailableVirtual, m.Length, m.MemoryLoad, _
        m.TotalPageFile, m.TotalPhysical, m.TotalVirtual, m.MaximumApplicationAddress, _
        m.MinimumApplicationAddress, m.AllocationGranularity, m.PageSize)
    eq TypeName(figure), "Long", "every figure is a Long"
Next
ok m.Length > 0, "Length is what the platform wrote"
ok m.MemoryLoad >= 0 And m.MemoryLoad <= 100, "MemoryLoad is a percentage"
' A script cannot ask the platform itself (the C++ tests compare with GetSystemInfo):
' what holds on every machine is checked here.
page = m.PageSize
ok page >= 4096 And (page And (page - 1)) = 0, "PageSize is a power of two"
ok m.AllocationGranularity >= page And m.AllocationGranularity Mod page = 0, "AllocationGranularity is whole pages"
ok m.MinimumApplicationAddress > 0 And m.MinimumApplicationAddress Mod m.AllocationGranularity = 0, _
    "MinimumApplicationAddress is on an allocation boundary"
' A snapshot: the same figure however memory use changes.
first = m.AvailablePhysical
Dim filler
filler = Space(20000000)
eq m.AvailablePhysical, first, "AvailablePhysical is not refreshed"
filler = Empty

On Error Resume Next
x = m.AvailablePhysical(1)
raised 450, "", "no arguments taken"
On Error Goto 0

Finish
