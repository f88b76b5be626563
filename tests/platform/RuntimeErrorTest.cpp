#include "RuntimeError.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

namespace {

template <typename Failure>
RuntimeError describe(Failure failure) {
    try {
        throw failure;
    } catch (...) {
        return describeFailure(std::current_exception());
    }
}

TEST(RuntimeError, namesEachKindOfFailureWithItsNumber) {
    EXPECT_EQ(describe(std::bad_alloc()).text(), "Run-time error '7': Out of memory");
    EXPECT_EQ(describe(std::out_of_range("slot 6")).number, 9);
    EXPECT_EQ(describe(std::runtime_error("disk on fire")).description,
              "Internal error (disk on fire)");
    EXPECT_EQ(describe(42).text(), "Run-time error '51': Internal error");
}

}  // namespace
