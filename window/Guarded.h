#pragma once

#include <functional>

#include "Host.h"

// Runs one event handler. A failure the game cannot carry on from is reported to the
// player and ends the program, so that no exception ever unwinds through the event loop.
void runGuarded(Host& host, const std::function<void()>& handler);
