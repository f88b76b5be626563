#include "RuntimeError.h"

#include <new>
#include <stdexcept>

std::string RuntimeError::text() const {
    return "Run-time error '" + std::to_string(number) + "': " + description;
}

RuntimeError describeFailure(const std::exception_ptr& failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const std::bad_alloc&) {
        return {7, "Out of memory"};
    } catch (const std::out_of_range& error) {
        return {9, std::string("Subscript out of range (") + error.what() + ")"};
    } catch (const std::overflow_error& error) {
        return {6, std::string("Overflow (") + error.what() + ")"};
    } catch (const std::exception& error) {
        return {51, std::string("Internal error (") + error.what() + ")"};
    } catch (...) {
        return {51, "Internal error"};
    }
}
