#include "platform/DriveReadiness.h"

#include "platform/Error.h"

namespace platform {

char ValidDriveLetter(char letter) {
    const char upper =
        letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
    if (upper < 'A' || upper > 'Z') {
        throw ConversionError("Not a valid drive letter");
    }
    return upper;
}

bool QueryBetweenEvents(const ProcessEvents& processEvents, const std::function<bool()>& query,
                        const std::function<void()>& afterQuery) {
    bool ready = false;
    try {
        processEvents();
        ready = query();
    } catch (...) {
        afterQuery();
        // Should this round fail too, its error replaces the first one.
        processEvents();
        throw;
    }
    afterQuery();
    processEvents();
    return ready;
}

}  // namespace platform
