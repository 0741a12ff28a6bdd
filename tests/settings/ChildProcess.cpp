#include "ChildProcess.h"

#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <stdexcept>

namespace testing_files {
namespace {

constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;

}  // namespace

bool InChildProcess(const std::function<bool()>& action) {
    const pid_t child = ::fork();
    if (child < 0) {
        throw std::runtime_error("fork failed");
    }
    if (child == 0) {
        bool result = false;
        try {
            result = action();
        } catch (...) {
            result = false;
        }
        ::_exit(result ? 0 : 1);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool RunningAsRoot() {
    return ::geteuid() == 0;
}

bool AsOrdinaryUser(const std::function<bool()>& action) {
    if (!RunningAsRoot()) {
        return action();
    }
    return InChildProcess([&] {
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNoGroup) != 0 || ::setuid(kNobody) != 0) {
            return false;
        }
        return action();
    });
}

void GiveToOrdinaryUser(const std::string& path) {
    if (RunningAsRoot() && ::lchown(path.c_str(), kNobody, kNoGroup) != 0) {
        throw std::runtime_error("cannot give " + path + " to the ordinary user");
    }
}

bool WithFileSizeLimit(long long bytes, const std::function<bool()>& action) {
    return InChildProcess([&] {
        // Without this, growing a file past the limit kills the process
        // instead of failing the write.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{static_cast<rlim_t>(bytes), static_cast<rlim_t>(bytes)};
        return ::setrlimit(RLIMIT_FSIZE, &limit) == 0 && action();
    });
}

}  // namespace testing_files
