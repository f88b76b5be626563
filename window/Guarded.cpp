#include "Guarded.h"

#include "RuntimeError.h"

void runGuarded(Host& host, const std::function<void()>& handler) {
    try {
        handler();
    } catch (...) {
        const RuntimeError error = describeFailure(std::current_exception());
        try {
            host.message(error.text(), "Scaffle!");
        } catch (...) {
            // Even the report failed; ending is all that is left.
        }
        host.end(1);
    }
}
