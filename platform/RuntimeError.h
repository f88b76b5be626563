#pragma once

#include <exception>
#include <string>

// A failure that the game cannot carry on from, as the player is told of it.
struct RuntimeError {
    int number;
    std::string description;

    std::string text() const;
};

// Names the exception in flight; call it from a catch block.
RuntimeError describeFailure(const std::exception_ptr& failure);
