' OVMath from a script client: results, subtypes, the variable Inc and Dec change, errors.
Plan 45

Set m = CreateObject("TVOrvaneSuite.OVMath")

n = CInt(5)
eq m.Inc(n), CInt(6), "Inc returns the new value"
eq n, CInt(6), "Inc leaves it in the variable"
m.Inc n, 10
eq n, CInt(16), "Inc by 10"
eq m.Dec(n), CInt(15), "Dec by the default 1"
n = CInt(32767)
m.Inc n
eq n, CLng(32768), "Integer overflow becomes Long"
t = "a"
m.Inc t, "b"
eq t, "ab", "two texts join"
e = Empty
m.Inc e
eq e, CInt(1), "Empty counts as 0"
z = Null
m.Inc z
ok IsNull(z), "Null propagates"

eq m.Log10(10), 0.9999999999999982, "Log10 with the rounded constant"
ok Abs(m.LogX(8, 2) - 3) < 1E-12, "LogX(8, 2)"
eq m.Floor(-2.5), CDbl(-3), "Floor(-2.5)"
eq m.Ceil(-2.5), CDbl(-2), "Ceil(-2.5)"
eq m.Ceil(2.5), CDbl(3), "Ceil(2.5)"
eq m.Ceil(2), CDbl(3), "Ceil(2)"
eq m.AbsCeil(-2.5), CDbl(3), "AbsCeil(-2.5)"
eq m.AbsCeil(-2.5, True), CDbl(-3), "AbsCeil keeping the sign"
eq m.AbsFloor(-2.5, True), CDbl(-2), "AbsFloor keeping the sign"
eq m.AbsCeil(0), CDbl(1), "AbsCeil(0)"
eq m.AbsCeil(0, True), CDbl(0), "AbsCeil(0, True)"
eq m.ASin(1), 1.5707963267949, "ASin(1)"
eq m.ASin(-1), -1.5707963267949, "ASin(-1)"
eq m.ACos(1), CDbl(0), "ACos(1)"
eq m.ACos(-1), 3.14159265358979, "ACos(-1)"
eq m.ASec(1), CDbl(0), "ASec(1)"
eq m.ASec(-1), 3.14159265358979, "ASec(-1)"
eq m.ACsc(-1), -1.5707963267949, "ACsc(-1)"
ok Abs(m.ACot(-1) + 0.785398) < 1E-6, "ACot(-1) is negative"
v = 0.5
r = m.TanH(v)
eq v, 0.5, "a Double argument is never changed"
ok Abs(m.SinH(1) - 1.1752011936438) < 1E-12, "SinH(1)"
eq m.Floor("7.5"), CDbl(7), "numeric text"

On Error Resume Next
r = Empty
r = m.ATanH(0)
raised 11, "Division by zero", "ATanH(0)"
ok IsEmpty(r), "no result delivered"
r = m.Log10(0)
raised 5, "Invalid procedure call or argument", "Log10(0)"
r = m.LogX(2, 1)
raised 11, "", "LogX(2, 1)"
r = m.LogX(1, 1)
raised 6, "Overflow", "LogX(1, 1)"
r = m.ASin(2)
ok Err.Source = "TVOrvaneSuite.OVMath", "source"
raised 5, "", "ASin(2)"
r = m.CotH(0)
raised 11, "", "CotH(0)"
r = m.SinH(710)
raised 6, "", "SinH(710)"
r = m.ACotH(1)
raised 11, "", "ACotH(1)"
r = m.ASecH(2)
raised 5, "", "ASecH(2)"
r = m.Floor(Null)
raised 94, "Invalid use of Null", "Null argument"
r = m.Floor("abc")
raised 13, "Type mismatch", "text argument"
t = "a"
m.Dec t, "b"
raised 13, "", "Dec of two texts"
eq t, "a", "a failed Dec leaves the variable"
On Error Goto 0

Finish
