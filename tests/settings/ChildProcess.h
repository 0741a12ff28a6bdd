#pragma once

#include <functional>
#include <string>

namespace testing_files {

// Runs the action in a child process, so that what it changes about the
// process (limits, identity) ends with it; true when the action returned
// true. Exceptions count as false.
bool InChildProcess(const std::function<bool()>& action);

// Whether this process runs as root, which ignores permission bits.
bool RunningAsRoot();

// Permission tests mean something for root as well: the action then runs in a
// child process with the rights of the ordinary user "nobody". Files the
// ordinary user is to own are given to it first with GiveToOrdinaryUser (a
// no-op when not root, as the files are ours already).
bool AsOrdinaryUser(const std::function<bool()>& action);
void GiveToOrdinaryUser(const std::string& path);

// Runs the action in a child process that cannot make any file larger than
// the given size, as on a full disk.
bool WithFileSizeLimit(long long bytes, const std::function<bool()>& action);

}  // namespace testing_files
