' Shared checks of the script tests, put in front of each test script by
' scripts/run-vbs.sh. A test declares how many checks it makes with Plan, calls
' ok/eq/raised and ends with Finish, which quits with 100 only when every planned
' check ran and passed. The count matters: under On Error Resume Next a check whose
' arguments raise is skipped without a trace. Plan adds up, so a loop over what the
' machine has (its drives, say) can plan its own checks.
Dim failures, checks, planned, hasPlan
failures = 0
checks = 0
planned = 0
hasPlan = False

Sub Plan(count)
    planned = planned + count
    hasPlan = True
End Sub

Sub fail(message)
    failures = failures + 1
    WScript.Echo "FAIL: " & message
End Sub

' Passes only for the Boolean True: Not Null is Null, which an If treats as False,
' so a Null condition would otherwise pass.
Sub ok(condition, message)
    checks = checks + 1
    If VarType(condition) <> vbBoolean Then
        fail message & ": condition is " & TypeName(condition) & ", not a Boolean"
    ElseIf Not condition Then
        fail message
    End If
End Sub

' Equal in value and in subtype.
Sub eq(actual, expected, message)
    checks = checks + 1
    If TypeName(actual) <> TypeName(expected) Then
        fail message & ": subtype " & TypeName(actual) & ", expected " & TypeName(expected)
    ElseIf IsNull(actual) Then
        ' both Null
    ElseIf actual <> expected Then
        fail message & ": got [" & actual & "], expected [" & expected & "]"
    End If
End Sub

' Call right after a statement run under On Error Resume Next.
Sub raised(number, description, message)
    checks = checks + 1
    If Err.Number <> number Then
        fail message & ": error " & Err.Number & " (" & Err.Description & "), expected " & number
    ElseIf description <> "" And Err.Description <> description Then
        fail message & ": description [" & Err.Description & "], expected [" & description & "]"
    End If
    Err.Clear
End Sub

' Call right after a statement run under On Error Resume Next that must raise some
' error whose number the platform chooses.
Sub raisedAny(message)
    checks = checks + 1
    If Err.Number = 0 Then fail message & ": no error"
    Err.Clear
End Sub

Sub Finish()
    If Err.Number <> 0 Then fail "error " & Err.Number & " (" & Err.Description & ") left unchecked"
    If Not hasPlan Then
        fail "no Plan: the script must declare how many checks it makes"
    ElseIf checks <> planned Then
        fail checks & " checks ran, " & planned & " planned (a check was skipped or added)"
    End If
    WScript.Echo checks & " checks, " & failures & " failed"
    If failures = 0 Then WScript.Quit 100
    WScript.Quit 1
End Sub
