' OVPower from a script client. Hibernate and Suspend are never called here.
Plan 29  ' two for each of the fourteen answers

Set p = CreateObject("TVOrvaneSuite.OVPower")
For Each answer In Array(p.DiskSpinDown, p.ThermalControl, p.WakeSupport, p.HiberFilePresent, _
        p.SleepButtonPresent, p.PowerButtonPresent, p.ACPowerExists, p.BatteryIsLow, p.BatteryIsFull, _
        p.BatteryIsCharging, p.BatteryIsCritical, p.IsPowerHibernateAllowed, p.IsPowerSuspendAllowed, _
        p.IsPowerShutdownAllowed)
    eq TypeName(answer), "Boolean", "every answer is a Boolean"
    ok answer = True Or answer = False, "True is -1, False 0"
Next
low = 0
For Each battery In Array(p.BatteryIsLow, p.BatteryIsFull, p.BatteryIsCharging, p.BatteryIsCritical)
    If battery Then low = low + 1
Next
ok low <= 1, "at most one battery state matches the whole flag byte"
' That the answers are a snapshot taken at creation is tested in C++ with a faked
' platform: a script cannot change the power state between two reads.

Finish
