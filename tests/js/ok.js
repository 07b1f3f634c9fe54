// Shared checks of the JScript tests, put in front of each test by scripts/run-js.sh.
// A test calls ok/eq/raised and ends with finish(), which quits with 100 when all passed.
var failures = 0, checks = 0;

function ok(condition, message) {
    checks++;
    if (!condition) {
        failures++;
        WScript.Echo("FAIL: " + message);
    }
}

function eq(actual, expected, message) {
    checks++;
    if (typeof actual != typeof expected || actual !== expected) {
        failures++;
        WScript.Echo("FAIL: " + message + ": got [" + actual + "] (" + typeof actual + "), expected [" + expected + "]");
    }
}

// Runs f and expects it to raise the automation error number.
function raised(f, number, message) {
    checks++;
    try {
        f();
        failures++;
        WScript.Echo("FAIL: " + message + ": no error raised");
    } catch (e) {
        if ((e.number & 0xFFFF) != number) {
            failures++;
            WScript.Echo("FAIL: " + message + ": error " + (e.number & 0xFFFF) + " " + e.description + ", expected " + number);
        }
    }
}

function finish() {
    if (failures > 0) {
        WScript.Echo(failures + " of " + checks + " checks failed");
        WScript.Quit(1);
    }
    WScript.Quit(100);
}
