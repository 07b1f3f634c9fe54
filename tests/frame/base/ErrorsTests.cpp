// One way into an exception (check) and the two ways out: with error information for
// automation members, as a bare result for the interfaces that carry none.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "frame/base/Errors.h"

namespace orvane {
namespace {

template <class Thrower>
HRESULT resultOf(Thrower&& thrower) {
    try {
        thrower();
    } catch (...) {
        return caughtResult();
    }
    return S_OK;
}

TEST(Errors, CaughtResultGivesBackTheResultAnExceptionStandsFor) {
    struct Row {
        HRESULT checked;   // what a platform call returned
        HRESULT expected;  // what a member without error information returns
    };
    const Row rows[] = {
        {DISP_E_TYPEMISMATCH, DISP_E_TYPEMISMATCH},  // a runtime error (13) that keeps its origin
        {E_INVALIDARG, E_INVALIDARG},
        {E_OUTOFMEMORY, E_OUTOFMEMORY},
        {STG_E_READFAULT, STG_E_READFAULT},           // no runtime error: a plain failure
        {static_cast<HRESULT>(0x800A0009), static_cast<HRESULT>(0x800A0009)},
    };
    for (const Row& row : rows) EXPECT_EQ(row.expected, resultOf([&] { check(row.checked); })) << std::hex << row.checked;
    EXPECT_EQ(S_OK, resultOf([] { check(S_FALSE); }));
    EXPECT_EQ(static_cast<HRESULT>(0x800A0005), resultOf([] { raise(5); }));
    EXPECT_EQ(E_OUTOFMEMORY, resultOf([] { raise(error::OutOfMemory); }));
    EXPECT_EQ(E_OUTOFMEMORY, resultOf([] { throw std::bad_alloc(); }));
    EXPECT_EQ(E_UNEXPECTED, resultOf([] { throw std::logic_error("fault"); }));
}

TEST(Errors, CheckRaisesTheRuntimeErrorAnAutomationFailureStandsFor) {
    try {
        check(DISP_E_OVERFLOW);
        FAIL() << "no exception";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error::Overflow, error.number());
        EXPECT_EQ(DISP_E_OVERFLOW, error.result());
    }
    // The error a client sees through IDispatch is the runtime's, whatever the origin.
    try {
        check(DISP_E_OVERFLOW);
    } catch (...) {
        EXPECT_EQ(static_cast<HRESULT>(0x800A0006), reportCurrentException(L"Test"));
    }
}

}  // namespace
}  // namespace orvane
