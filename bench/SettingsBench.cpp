// Times LoadGameSettings and SaveGameSettings on a realistic Baldur.ini
// (about 5 KB, CRLF, Czech bytes) and on generated files of 1 MB and 10 MB
// that end with the same content, so that every value is found last.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "settings/GameSettings.h"

namespace {

std::string ReadFixture() {
    std::ifstream in(std::string(KESTRUNE_TEST_DATA) + "/Baldur.ini", std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

// Filler sections of keys in front of the real content, up to the size.
std::string Generated(const std::string& realContent, std::size_t size) {
    std::string content;
    content.reserve(size + realContent.size());
    for (int section = 0; content.size() < size; ++section) {
        content += "[Filler " + std::to_string(section) + "]\r\n";
        for (int key = 0; key < 100 && content.size() < size; ++key) {
            content += "Key " + std::to_string(key) + "=C:\\Hry\\Baldurova br\xE1na\\data" +
                       std::to_string(key) + "\\\r\n";
        }
    }
    return content + realContent;
}

void WriteFile(const std::filesystem::path& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

// Two records that differ in all seven values, so that every save writes.
GameSettings Variant(bool first) {
    GameSettings settings;
    settings.PathSearchNodes = first ? 16000 : 32000;
    for (std::size_t n = 1; n <= CdAliases::kCount; ++n) {
        settings.CdAlias[n] =
            (first ? "D:\\BG\\CD" : "C:\\Hry\\Baldurova br\xE1na\\CD") + std::to_string(n) + "\\";
    }
    settings.InventoryPauseWarning = !first;
    return settings;
}

void Load(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(LoadGameSettings(path));
    }
}

void Save(benchmark::State& state, const std::string& path) {
    bool first = true;
    for (auto _ : state) {
        SaveGameSettings(path, Variant(first));
        first = !first;
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "kestrune-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        return 1;
    }
    const std::filesystem::path folder(pattern);
    const auto real = ReadFixture();
    const std::pair<std::string, std::string> files[] = {
        {"Baldur.ini", real},
        {"1MB.ini", Generated(real, 1'000'000)},
        {"10MB.ini", Generated(real, 10'000'000)},
    };
    for (const auto& [name, content] : files) {
        const auto path = (folder / name).string();
        WriteFile(path, content);
        benchmark::RegisterBenchmark(("Load/" + name).c_str(), Load, path)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("Save/" + name).c_str(), Save, path)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(folder);
    return 0;
}
