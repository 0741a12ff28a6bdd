#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Value types, numbered as the Windows registry numbers them, so that both
// halves of the store speak of the same types.
inline constexpr std::uint32_t kTypeNone = 0;          // REG_NONE
inline constexpr std::uint32_t kTypeString = 1;        // REG_SZ
inline constexpr std::uint32_t kTypeExpandString = 2;  // REG_EXPAND_SZ
inline constexpr std::uint32_t kTypeBinary = 3;        // REG_BINARY
inline constexpr std::uint32_t kTypeDword = 4;         // REG_DWORD

// One open key of the current user's store: the registry below
// HKEY_CURRENT_USER on Windows, a folder below $XDG_CONFIG_HOME/kestrune
// (else ~/.config/kestrune) elsewhere. The key is closed when the object goes.
// Key paths are relative to that root, parts separated by backslashes
// ("Software\Trimbelo\Quillon\"); empty parts are ignored.
class UserStoreKey {
public:
    // Opens the key for reading and writing, creating it and any missing keys
    // above it. Nothing when it can neither be opened nor created.
    static std::optional<UserStoreKey> OpenOrCreate(std::string_view keyPath);

    struct ValueInfo {
        std::uint32_t type;
        std::size_t size;
    };
    // The type and data size of a value, or nothing when there is no value of
    // that name (or it cannot be looked at). A value that is there but not in
    // the store's own form (a damaged file of the file store) is untyped data:
    // kTypeNone and all its bytes.
    std::optional<ValueInfo> Query(std::string_view name) const;
    // The data of a value, or nothing when it cannot be fetched (gone, or cut
    // short since it was written).
    std::optional<std::string> Fetch(std::string_view name) const;
    // Stores data of a type under the name, replacing any earlier value of
    // that name whatever its type. False when it cannot be stored.
    bool Set(std::string_view name, std::uint32_t type, std::string_view data);

    UserStoreKey(UserStoreKey&&) noexcept;
    UserStoreKey& operator=(UserStoreKey&&) noexcept;
    UserStoreKey(const UserStoreKey&) = delete;
    UserStoreKey& operator=(const UserStoreKey&) = delete;
    ~UserStoreKey();

private:
    struct Handle;
    explicit UserStoreKey(std::unique_ptr<Handle> handle);
    std::unique_ptr<Handle> handle_;
};

}  // namespace platform
