' Shared checks of the script tests, put in front of each test script by
' scripts/run-vbs.sh. A test calls ok/eq/raised and ends with Finish, which quits
' with 100 when everything passed.
Dim failures, checks
failures = 0
checks = 0

Sub ok(condition, message)
    checks = checks + 1
    If Not condition Then
        failures = failures + 1
        WScript.Echo "FAIL: " & message
    End If
End Sub

' Equal in value and in subtype.
Sub eq(actual, expected, message)
    checks = checks + 1
    If TypeName(actual) <> TypeName(expected) Then
        failures = failures + 1
        WScript.Echo "FAIL: " & message & ": subtype " & TypeName(actual) & ", expected " & TypeName(expected)
    ElseIf actual <> expected Then
        failures = failures + 1
        WScript.Echo "FAIL: " & message & ": got [" & actual & "], expected [" & expected & "]"
    End If
End Sub

' Call right after a statement run under On Error Resume Next.
Sub raised(number, description, message)
    checks = checks + 1
    If Err.Number <> number Then
        failures = failures + 1
        WScript.Echo "FAIL: " & message & ": error " & Err.Number & " (" & Err.Description & "), expected " & number
    ElseIf description <> "" And Err.Description <> description Then
        failures = failures + 1
        WScript.Echo "FAIL: " & message & ": description [" & Err.Description & "], expected [" & description & "]"
    End If
    Err.Clear
End Sub

Sub Finish()
    WScript.Echo checks & " checks, " & failures & " failed"
    If failures = 0 Then WScript.Quit 100
    WScript.Quit 1
End Sub
