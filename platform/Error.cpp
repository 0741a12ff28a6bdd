#include "platform/Error.h"

std::string FillPlaceholder(std::string_view messageTemplate, std::string_view argument) {
    std::string message(messageTemplate);
    const auto at = message.find("%s");
    if (at != std::string::npos) {
        message.replace(at, 2, argument);
    }
    return message;
}
