// The suite from JScript: cscript tour.js
// JScript passes every argument by value. Members that write back to a ByRef
// parameter (Inc, Dec, the number conversions, OVRegistry's arguments) work on a
// copy: the JScript variable keeps its value and only the result comes back.
var numbers = new ActiveXObject("TVOrvaneSuite.OVNumbers");
var binary = "101101";
WScript.Echo("BinToDec(\"101101\") = " + numbers.BinToDec(binary));
WScript.Echo("BinToOct(binary) = " + numbers.BinToOct(binary) + "; binary still holds \"" + binary + "\"");

var math = new ActiveXObject("TVOrvaneSuite.OVMath");
var counter = 5;
math.Inc(counter);                      // VBScript would now see 6 in counter ...
WScript.Echo("after math.Inc(counter): counter = " + counter);
counter = math.Inc(counter, 10);        // ... in JScript, assign the result
WScript.Echo("after counter = math.Inc(counter, 10): counter = " + counter);

// Errors arrive as exceptions: the number is 0x800A0000 + the error number.
try {
    numbers.BinToDec("1021");
} catch (e) {
    WScript.Echo("BinToDec(\"1021\"): error " + (e.number & 0xFFFF) + ": " + e.description);
}

// Collections: loop with an Enumerator; Count and Item may be called as methods.
var keys = new ActiveXObject("TVOrvaneSuite.OVRegistryKeys");
keys.Add("Run", "run");
keys.Add("RunOnce", "once");
keys.Add("Policies");
WScript.Echo("Count() = " + keys.Count() + ", Item(\"ONCE\").KeyNames = " + keys.Item("ONCE").KeyNames);
for (var e = new Enumerator(keys); !e.atEnd(); e.moveNext()) {
    WScript.Echo("  key " + e.item().KeyNames);
}

// The registry under a private key of the current user.
var registry = new ActiveXObject("TVOrvaneSuite.OVRegistry");
var HKEY_CURRENT_USER = -2147483647, ovString = 1;
var key = "Software\\OrvaneSuiteSamples";
registry.WriteValue(HKEY_CURRENT_USER, key, ovString, "Greeting", "Hello from JScript");
WScript.Echo("ReadValue = " + registry.ReadValue(HKEY_CURRENT_USER, key, "Greeting"));
var values = registry.ListValues(HKEY_CURRENT_USER, key);
for (var e = new Enumerator(values); !e.atEnd(); e.moveNext()) {
    WScript.Echo("  value " + e.item().ValueName + " = " + e.item().ValueData);
}
registry.DeleteValue(HKEY_CURRENT_USER, key, "Greeting");
registry.DeleteKey(HKEY_CURRENT_USER, key);
WScript.Quit(0);
