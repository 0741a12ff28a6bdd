#pragma once

#include <functional>

#include "platform/Drives.h"

namespace platform {

// The frame of the drive test that is the same on every system.

// The letter upper-cased (only a to z change); fails with ConversionError
// "Not a valid drive letter" when the result is not A to Z.
char ValidDriveLetter(char letter);

// Processes pending events, runs the query, runs `afterQuery` (which must not
// fail), and processes pending events again. `afterQuery` and the second round
// of events run also when the first round or the query fails; that error then
// passes on.
bool QueryBetweenEvents(const ProcessEvents& processEvents, const std::function<bool()>& query,
                        const std::function<void()>& afterQuery);

}  // namespace platform
