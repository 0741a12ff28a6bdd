#include "settings/Registry.h"

#include "platform/Error.h"
#include "platform/UserStore.h"

std::string RegReadString(std::string_view key, std::string_view name,
                          std::string_view defaultValue) {
    // The caller needs a text in any case; a key that cannot even be created
    // holds no value, and the write that follows reports the problem.
    const auto opened = platform::UserStoreKey::OpenOrCreate(key);
    if (!opened) {
        return std::string(defaultValue);
    }
    const auto info = opened->Query(name);
    if (!info) {
        return std::string(defaultValue);
    }
    if (info->size == 0) {
        return {};
    }
    const auto data = opened->Fetch(name);
    if (!data) {
        throw Error(FillPlaceholder("Failed to get data for '%s'", name));
    }
    if (info->type != platform::kTypeString && info->type != platform::kTypeExpandString) {
        throw Error(FillPlaceholder("Invalid data type for '%s'", name));
    }
    return data->substr(0, data->find('\0'));
}

void RegWriteString(std::string_view key, std::string_view name, std::string_view data) {
    auto opened = platform::UserStoreKey::OpenOrCreate(key);
    if (!opened) {
        throw Error(FillPlaceholder("Failed to create key %s", key));
    }
    std::string terminated(data);
    terminated += '\0';
    if (!opened->Set(name, platform::kTypeString, terminated)) {
        throw Error(FillPlaceholder("Failed to set data for '%s'", name));
    }
}
