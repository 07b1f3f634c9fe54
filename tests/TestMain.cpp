// Runs the tests in a single-threaded apartment, as the components' hosts do.
#include <objbase.h>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    testing::InitGoogleTest(&argc, argv);
    int result = RUN_ALL_TESTS();
    ::CoUninitialize();
    return result;
}
