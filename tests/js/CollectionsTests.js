// JScript calls every member as a method: collections must enumerate and count
// that way, and members that write back to ByRef variables leave JScript's alone.
function count(collection) {
    var n = 0;
    for (var e = new Enumerator(collection); !e.atEnd(); e.moveNext()) n++;
    return n;
}

var keys = new ActiveXObject("TVOrvaneSuite.OVRegistryKeys");
eq(count(keys), 0, "an empty collection enumerates nothing");
keys.Add("Run", "run");
keys.Add("RunOnce", "once");
keys.Add("Policies");
eq(keys.Count(), 3, "Count() written as a method call");
eq(keys.Count, 3, "Count read as a property");
eq(count(keys), 3, "new Enumerator visits every record");
var names = [];
for (var e = new Enumerator(keys); !e.atEnd(); e.moveNext()) names.push(e.item().KeyNames);
eq(names.join(","), "Run,RunOnce,Policies", "records in insertion order");
eq(keys.Item(2).KeyNames, "RunOnce", "Item(position) as a method call");
eq(keys.Item("ONCE").KeyNames, "RunOnce", "Item(key) as a method call");
eq(keys(3).KeyNames, "Policies", "the default member called with an argument");
raised(function () { keys.Item(4); }, 9, "position beyond Count");
raised(function () { keys.Item("missing"); }, 5, "unknown key");
keys.Remove(1);
eq(keys.Count(), 2, "Remove");

var values = new ActiveXObject("TVOrvaneSuite.OVRegistryValues");
values.Add("Owner", "Ada", 1, "owner");
values.Add("Build", "2600", 4);
var data = [];
for (var e = new Enumerator(values); !e.atEnd(); e.moveNext()) data.push(e.item().ValueName + "=" + e.item().ValueData);
eq(data.join(";"), "Owner=Ada;Build=2600", "values enumerate with their fields");

// A collection handed out by a service object.
var registry = new ActiveXObject("TVOrvaneSuite.OVRegistry");
var HKEY_CURRENT_USER = -2147483647;
var subKey = "Software\\OrvaneSuiteTests\\JScript";
registry.CreateKey(HKEY_CURRENT_USER, subKey + "\\One");
registry.CreateKey(HKEY_CURRENT_USER, subKey + "\\Two");
var listed = registry.ListKeys(HKEY_CURRENT_USER, subKey);
eq(count(listed), 2, "ListKeys result enumerates");
eq(listed.Count(), 2, "ListKeys result counts");
registry.DeleteKey(HKEY_CURRENT_USER, subKey + "\\One");
registry.DeleteKey(HKEY_CURRENT_USER, subKey + "\\Two");
registry.DeleteKey(HKEY_CURRENT_USER, subKey);
registry.DeleteKey(HKEY_CURRENT_USER, "Software\\OrvaneSuiteTests");

// A real method of the same name still runs as the method.
var stack = new ActiveXObject("TVOrvaneSuite.OVStack");
stack.Push(1);
stack.Push("two");
eq(stack.Count(), 2, "a method named Count");
eq(stack.Pop(), "two", "Pop");
raised(function () { stack.Pop(); stack.Pop(); }, 9, "Pop on an empty stack");

// JScript passes values, never variables: the member's write-back is not seen,
// its result is.
var math = new ActiveXObject("TVOrvaneSuite.OVMath");
var n = 5;
eq(math.Inc(n), 6, "Inc returns the new value");
eq(n, 5, "the JScript variable is unchanged");
n = math.Inc(n, 10);
eq(n, 15, "assign the result to keep it");
var numbers = new ActiveXObject("TVOrvaneSuite.OVNumbers");
var binary = "1101";
eq(numbers.BinToDec(binary), 13, "BinToDec");
eq(binary, "1101", "the argument variable keeps its text");

finish();
