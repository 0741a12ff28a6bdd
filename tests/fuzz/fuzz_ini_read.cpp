// Looks up a section and key, both taken from the input, in arbitrary file
// contents, and checks what any reading promises: the value is a part of one
// line of the file, and the letter case of A to Z in the names does not
// matter.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "settings/IniText.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

std::string Flipped(std::string_view name) {
    std::string flipped(name);
    for (auto& c : flipped) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        } else if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return flipped;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    std::string_view rest(reinterpret_cast<const char*>(data + 2), size - 2);
    const auto section = rest.substr(0, std::min<std::size_t>(data[0] % 16, rest.size()));
    rest.remove_prefix(section.size());
    const auto key = rest.substr(0, std::min<std::size_t>(data[1] % 16, rest.size()));
    const auto text = rest.substr(key.size());

    const auto value = ini::FindValue(text, section, key);
    if (value) {
        Check(value->data() >= text.data() &&
              value->data() + value->size() <= text.data() + text.size());
        Check(value->find_first_of("\r\n") == value->npos);
    }
    const auto otherCase = ini::FindValue(text, Flipped(section), Flipped(key));
    Check(value.has_value() == otherCase.has_value());
    Check(!value || value->data() == otherCase->data());
    return 0;
}
