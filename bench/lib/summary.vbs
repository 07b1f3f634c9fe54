' Shared by the script benchmarks: scripts/bench.sh puts this in front of each one
' (the platform's VBScript has no ExecuteGlobal to load it).

' Median and spread of the first n entries of a (sorted in place).
Function Summary(a, n, scale, digits)
    Dim i, j, t
    For i = 0 To n - 2
        For j = 0 To n - 2 - i
            If a(j) > a(j + 1) Then t = a(j): a(j) = a(j + 1): a(j + 1) = t
        Next
    Next
    Summary = FormatNumber(a(n \ 2) * scale, digits) & " (" & FormatNumber(a(0) * scale, digits) & " to " & _
        FormatNumber(a(n - 1) * scale, digits) & ")"
End Function

' Seconds per step of the script's Measure(kind). Timer moves in steps of several
' milliseconds under this platform, so the loop count (the script's count, from its
' starting value) doubles until one timed loop lasts at least a second.
Dim startCount
Function PerStep(kind)
    Dim elapsed
    If IsEmpty(startCount) Then startCount = count
    count = startCount
    Do
        elapsed = Measure(kind)
        If elapsed >= 1 Then Exit Do
        count = count * 2
    Loop
    PerStep = elapsed / count
End Function
