// A process killed at any moment of a save leaves the game's file whole:
// every byte but the seven values as it was, each value old or new.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <iostream>
#include <random>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "SaveLoopRecords.h"
#include "TestFiles.h"
#include "settings/GameSettings.h"

extern char** environ;

namespace {

using namespace testing_files;
using save_loop::NewRecord;
using save_loop::OldRecord;

constexpr unsigned kSeed = 20261211;
constexpr int kMostKills = 300;
constexpr auto kLongestRun = std::chrono::seconds(15);
constexpr int kLongestWaitMicroseconds = 20000;

// Each of the seven values as its whole line, in the old and the new record.
struct ValueLines {
    std::string old;
    std::string changed;
};

std::string AliasLine(std::size_t n, const std::string& folder) {
    return "\nCD" + std::to_string(n) + ":=" + folder + "\r";
}

std::vector<ValueLines> LinesOf(const GameSettings& old, const GameSettings& changed) {
    std::vector<ValueLines> lines{
        {"\nPath Search Nodes=" + std::to_string(old.PathSearchNodes) + "\r",
         "\nPath Search Nodes=" + std::to_string(changed.PathSearchNodes) + "\r"}};
    for (std::size_t n = 1; n <= CdAliases::kCount; ++n) {
        lines.push_back({AliasLine(n, old.CdAlias[n]), AliasLine(n, changed.CdAlias[n])});
    }
    lines.push_back(
        {std::string("\nInventory Pause Warning=") + (old.InventoryPauseWarning ? "1" : "0") + "\r",
         std::string("\nInventory Pause Warning=") + (changed.InventoryPauseWarning ? "1" : "0") +
             "\r"});
    return lines;
}

void ReplaceOnce(std::string& text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    if (at == std::string::npos || text.find(from, at + 1) != std::string::npos) {
        throw std::invalid_argument("not exactly one" + from);
    }
    text.replace(at, from.size(), to);
}

// What the file must hold once the values it shows were written: the
// original with those of its value lines that show a new value replaced.
// Empty when a value is neither old nor new.
std::string ExpectedContent(const std::string& original, const std::string& content) {
    std::string expected = original;
    for (const auto& line : LinesOf(OldRecord(), NewRecord())) {
        const bool isOld = content.find(line.old) != std::string::npos;
        const bool isNew = content.find(line.changed) != std::string::npos;
        if (isOld == isNew) {
            return {};
        }
        if (isNew) {
            ReplaceOnce(expected, line.old, line.changed);
        }
    }
    return expected;
}

// Starts the save loop and returns once it is saving.
pid_t StartSaveLoop(const std::string& path) {
    std::string program = KESTRUNE_SAVE_LOOP;
    std::string argument = path;
    char* const argv[] = {program.data(), argument.data(), nullptr};
    int pipeEnds[2] = {-1, -1};
    if (::pipe(pipeEnds) != 0) {
        throw std::runtime_error("no pipe");
    }
    posix_spawn_file_actions_t actions{};
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    ::posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    pid_t child = 0;
    const int spawned = ::posix_spawn(&child, program.c_str(), &actions, nullptr, argv, environ);
    ::posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[1]);
    char byte = 0;
    const bool saving = spawned == 0 && ::read(pipeEnds[0], &byte, 1) == 1;
    ::close(pipeEnds[0]);
    if (!saving) {
        throw std::runtime_error("the save loop did not start saving: " + program);
    }
    return child;
}

// Whether the loop was still saving when it was killed (it never ends by
// itself unless a save failed).
bool KilledWhileSaving(pid_t child) {
    ::kill(child, SIGKILL);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
    }
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

TEST(CrashDuringSave, KillAtRandomMomentsLeavesEveryByteOldOrNew) {
    const TempFolder folder;
    const auto path = folder / "Baldur.ini";
    const auto original = ReadFile(DataFile("Baldur.ini"));
    WriteFile(path, original);
    ASSERT_EQ(LoadGameSettings(path), OldRecord());

    std::mt19937 random(kSeed);
    std::uniform_int_distribution<int> wait(0, kLongestWaitMicroseconds);
    const auto start = std::chrono::steady_clock::now();
    int kills = 0;
    int leftovers = 0;
    while (kills < kMostKills && std::chrono::steady_clock::now() - start < kLongestRun) {
        const pid_t child = StartSaveLoop(path);
        std::this_thread::sleep_for(std::chrono::microseconds(wait(random)));
        ASSERT_TRUE(KilledWhileSaving(child)) << "the save loop stopped by itself";
        ++kills;

        const auto content = ReadFile(path);
        ASSERT_EQ(content, ExpectedContent(original, content)) << "after kill " << kills;
        const auto names = Names(folder.Path());
        ASSERT_LE(names.size(), 2U) << "after kill " << kills;
        leftovers += static_cast<int>(names.size() - 1);

        // The next save takes away what the killed one left behind.
        const auto held = LoadGameSettings(path);
        SaveGameSettings(path, held == OldRecord() ? NewRecord() : OldRecord());
        ASSERT_EQ(Names(folder.Path()), std::set<std::string>{"Baldur.ini"})
            << "after the save that followed kill " << kills;
    }
    std::cout << "seed " << kSeed << ": " << kills << " kills, " << leftovers
              << " left a temporary file that the next save removed\n";
    EXPECT_GE(kills, 25);
}

}  // namespace
