#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include "platform/UserStore.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace platform {
namespace {

// Empty parts of a key path, such as the one after the trailing backslash of
// "Software\Trimbelo\Quillon\", name no key; the registry refuses some of them.
std::string RegistryKeyPath(std::string_view keyPath) {
    std::string path;
    while (!keyPath.empty()) {
        const auto end = std::min(keyPath.find('\\'), keyPath.size());
        if (end > 0) {
            if (!path.empty()) {
                path += '\\';
            }
            path += keyPath.substr(0, end);
        }
        keyPath.remove_prefix(std::min(end + 1, keyPath.size()));
    }
    return path;
}

}  // namespace

struct UserStoreKey::Handle {
    HKEY key;
    explicit Handle(HKEY opened) : key(opened) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() { RegCloseKey(key); }
};

UserStoreKey::UserStoreKey(std::unique_ptr<Handle> handle) : handle_(std::move(handle)) {}
UserStoreKey::UserStoreKey(UserStoreKey&&) noexcept = default;
UserStoreKey& UserStoreKey::operator=(UserStoreKey&&) noexcept = default;
UserStoreKey::~UserStoreKey() = default;

std::optional<UserStoreKey> UserStoreKey::OpenOrCreate(std::string_view keyPath) {
    const std::string path = RegistryKeyPath(keyPath);
    HKEY key = nullptr;
    const LONG result =
        RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_READ | KEY_WRITE, nullptr, &key, nullptr);
    if (result != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return UserStoreKey(std::make_unique<Handle>(key));
}

std::optional<UserStoreKey::ValueInfo> UserStoreKey::Query(std::string_view name) const {
    const std::string valueName(name);
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(handle_->key, valueName.c_str(), nullptr, &type, nullptr, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return ValueInfo{type, size};
}

std::optional<std::string> UserStoreKey::Fetch(std::string_view name) const {
    const std::string valueName(name);
    DWORD size = 0;
    if (RegQueryValueExA(handle_->key, valueName.c_str(), nullptr, nullptr, nullptr, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    // For strings the size the ANSI call reports is only an upper bound (the
    // store keeps them as UTF-16), so the data is cut to the size the read
    // returns. A value that grew in between fails the read.
    std::string data(size, '\0');
    if (RegQueryValueExA(handle_->key, valueName.c_str(), nullptr, nullptr,
                         reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    data.resize(size);
    return data;
}

bool UserStoreKey::Set(std::string_view name, std::uint32_t type, std::string_view data) {
    if (data.size() > std::numeric_limits<DWORD>::max()) {
        return false;
    }
    const std::string valueName(name);
    return RegSetValueExA(handle_->key, valueName.c_str(), 0, type,
                          reinterpret_cast<const BYTE*>(data.data()),
                          static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}

}  // namespace platform
