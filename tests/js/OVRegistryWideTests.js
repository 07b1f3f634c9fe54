// OVRegistry's second set of members from JScript: names outside the ANSI code page,
// multi-strings from JScript's own arrays, 64-bit numbers as texts, bytes as VBArrays.
var HKCU = 0x80000001 | 0, ovBinary = 3, ovDWord = 4, ovMultiString = 7, ovQWord = 11;
var r = new ActiveXObject("TVOrvaneSuite.OVRegistry");
var base = "Software\\OrvaneSuiteTests\\js-wide";
var name = String.fromCharCode(0x41a, 0x43b, 0x44e, 0x447) + " " + String.fromCharCode(0x540d, 0x524d);
var k = base + "\\" + name;

eq(r.WriteValueEx(HKCU, k, ovMultiString, name, ["one", "two"]), 0, "a JScript array as a multi-string");
eq(new VBArray(r.ReadValueEx(HKCU, k, name)).toArray().join("|"), "one|two", "read back under a name outside the code page");
eq(r.ListKeysEx(HKCU, base).Item(1).KeyNames, name, "the key name listed whole");
eq(r.ListValuesEx(HKCU, k).Item(1).ValueName, name, "the value name listed whole");
eq(r.ListValuesEx(HKCU, k).Item(1).DataType, ovMultiString, "with its type");
eq(r.KeyExist(HKCU, k), false, "the ANSI members cannot reach that key");

eq(r.WriteValueEx(HKCU, k, ovQWord, "QWord", "18446744073709551615"), 0, "the largest QWORD as a text");
eq(r.ReadValueEx(HKCU, k, "QWord"), "18446744073709551615", "read back as a text, whole");
eq(r.WriteValueEx(HKCU, k, ovQWord, "QWord2", 9007199254740992), 0, "a number up to 2^53");
eq(r.ReadValueEx(HKCU, k, "QWord2"), "9007199254740992", "read back");
eq(r.WriteValueEx(HKCU, k, ovDWord, "DWord", 4294967295), 0, "DWORD 0xFFFFFFFF");
eq(r.ReadValueEx(HKCU, k, "DWord"), -1, "a DWORD reads as a number");
eq(r.WriteValueEx(HKCU, k, ovBinary, "Bytes", [1, 2, 255]), 0, "bytes from a JScript array");
eq(new VBArray(r.ReadValueEx(HKCU, k, "Bytes")).toArray().join(","), "1,2,255", "read back as a VBArray");

raised(function () { r.WriteValueEx(HKCU, k, ovMultiString, "Bad", ["a", 1]); }, 13, "a multi-string holding a number");
raised(function () { r.WriteValueEx(HKCU, k, ovQWord, "Bad", "-9223372036854775809"); }, 6, "QWORD out of range");
raised(function () { r.ReadValueEx(HKCU, k, "QWord", 1); }, 5, "unknown view");
eq(r.ValueExistEx(HKCU, k, "Bad"), false, "nothing written");

var values = ["QWord", "QWord2", "DWord", "Bytes", name];
for (var i = 0; i < values.length; i++) r.DeleteValueEx(HKCU, k, values[i]);
eq(r.DeleteKeyEx(HKCU, k), 0, "delete the key with the wide name");
r.DeleteKeyEx(HKCU, base);
eq(r.KeyExistEx(HKCU, base), false, "the test key is gone");
r.DeleteKeyEx(HKCU, "Software\\OrvaneSuiteTests");
finish();
