// Start-up of the program: the time from starting a process until its main
// window is on screen with the values of Baldur.ini loaded, and the peak
// memory of that process, beside the same measures for a process that shows
// one bare Qt window. Each run is a fresh process (this program started
// again in one of two child roles), so dynamic loading and Qt's own start
// are counted. Usage: bench_startup [runs]
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QCoreApplication>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "settings/GameSettings.h"
#include "settings/Registry.h"
#include "settings/ValueRules.h"
#include "ui/Modals.h"
#include "ui/Startup.h"
#include "ui/Unit1.h"
#include "ui/widgets/StaticText.h"

extern char** environ;

namespace {

constexpr std::string_view kIniPath = "C:\\Games\\BG\\Baldur.ini";

long long MonotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// ------------------------------------------------------------------ children

// A start-up that needs a box has gone wrong: the child says so and ends
// instead of waiting for an answer.
class FailingModals final : public Modals {
public:
    void ShowError(const QString& message) override { Fail(message); }
    bool Confirm(const QString& message) override { Fail(message); }
    void ShowApplicationError(const QString& message) override { Fail(message); }
    std::optional<QString> OpenFile(const FileOpenRequest&) override { Fail("file dialog"); }
    void ShowModal(QDialog&) override { Fail("modal window"); }

private:
    [[noreturn]] static void Fail(const QString& what) {
        std::fprintf(stderr, "bench_startup: unexpected box: %s\n", what.toUtf8().constData());
        std::_Exit(2);
    }
};

void WaitUntilOnScreen(QWidget& window) {
    while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    // The first frame is painted.
    QCoreApplication::processEvents();
}

// The program's own start-up: the same steps as its main().
int ProgramChild(int argc, char* argv[]) {
    QApplication app(argc, argv);
    FailingModals modals;
    SetUpApplication();
    const ProgramWindows windows(modals);
    windows.Main().show();
    WaitUntilOnScreen(windows.Main());
    const long long shown = MonotonicNanoseconds();
    std::printf("%lld %s\n", shown, windows.Main().ST1->text().toUtf8().constData());
    return 0;
}

int BareChild(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(476, 397);
    window.show();
    WaitUntilOnScreen(window);
    const long long shown = MonotonicNanoseconds();
    std::printf("%lld -\n", shown);
    return 0;
}

// ------------------------------------------------------------------ parent

struct Sample {
    double milliseconds;
    long peakKilobytes;
    std::string shownNodes;
};

// Starts this program again in a child role and reads when its window was
// on screen; the child's peak memory comes from wait4.
Sample RunChild(const char* role) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    std::string self = "/proc/self/exe";
    std::string roleText = role;
    char* arguments[] = {self.data(), roleText.data(), nullptr};

    pid_t child = 0;
    const long long started = MonotonicNanoseconds();
    if (posix_spawn(&child, "/proc/self/exe", &actions, nullptr, arguments, environ) != 0) {
        std::perror("posix_spawn");
        std::exit(1);
    }
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);

    std::string output;
    char buffer[256];
    for (ssize_t got; (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
        output.append(buffer, static_cast<std::size_t>(got));
    }
    close(pipeEnds[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || output.empty()) {
        std::fprintf(stderr, "bench_startup: the %s child failed\n", role);
        std::exit(1);
    }
    const std::size_t blank = output.find(' ');
    const long long shown = std::stoll(output.substr(0, blank));
    std::string nodes = output.substr(blank + 1);
    nodes.erase(nodes.find_last_not_of('\n') + 1);
    return {static_cast<double>(shown - started) / 1e6, usage.ru_maxrss, nodes};
}

// A Wine prefix with drive C:, the fixture Baldur.ini at kIniPath, a user
// store that remembers it, and a runtime folder, all below one temporary
// folder that the children inherit through the environment.
std::filesystem::path MakeWorld() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "bench-startup-XXXXXX").string();
    const std::filesystem::path root = mkdtemp(pattern.data());
    std::filesystem::create_directories(root / "prefix/dosdevices");
    std::filesystem::create_directories(root / "drive_c/Games/BG");
    std::filesystem::create_directory_symlink("../../drive_c", root / "prefix/dosdevices/c:");
    std::filesystem::copy_file(std::string(KESTRUNE_TEST_DATA) + "/Baldur.ini",
                               root / "drive_c/Games/BG/Baldur.ini");
    std::filesystem::create_directories(root / "runtime");
    std::filesystem::permissions(root / "runtime", std::filesystem::perms::owner_all);
    setenv("WINEPREFIX", (root / "prefix").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (root / "runtime").c_str(), 1);
    RegWriteString(kRememberedLocationKey, kRememberedLocationName, kIniPath);
    return root;
}

struct Figures {
    double median;
    double fastest;
    double slowest;
    long peakKilobytes;
};

Figures Summarise(std::vector<Sample> samples) {
    std::sort(samples.begin(), samples.end(),
              [](const Sample& a, const Sample& b) { return a.milliseconds < b.milliseconds; });
    long peak = 0;
    for (const Sample& sample : samples) {
        peak = std::max(peak, sample.peakKilobytes);
    }
    const std::size_t middle = samples.size() / 2;
    const double median =
        samples.size() % 2 == 1
            ? samples[middle].milliseconds
            : (samples[middle - 1].milliseconds + samples[middle].milliseconds) / 2;
    return {median, samples.front().milliseconds, samples.back().milliseconds, peak};
}

void Print(const char* what, const Figures& figures) {
    std::printf("%-34s %9.1f %9.1f %9.1f %12.1f\n", what, figures.median, figures.fastest,
                figures.slowest, static_cast<double>(figures.peakKilobytes) / 1024.0);
}

int Parent(int runs) {
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
    const std::filesystem::path world = MakeWorld();
    const std::string expected = std::to_string(NormalizePathSearchNodes(
        LoadGameSettings((world / "drive_c/Games/BG/Baldur.ini").string()).PathSearchNodes));

    // One start of each first, so that both find the libraries in the page
    // cache, then the runs alternate so that both see the same machine.
    RunChild("--program");
    RunChild("--bare");
    std::vector<Sample> program;
    std::vector<Sample> bare;
    for (int run = 0; run < runs; ++run) {
        program.push_back(RunChild("--program"));
        bare.push_back(RunChild("--bare"));
        if (program.back().shownNodes != expected) {
            std::fprintf(stderr, "bench_startup: the window showed %s, not %s\n",
                         program.back().shownNodes.c_str(), expected.c_str());
            return 1;
        }
    }
    std::filesystem::remove_all(world);

    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("Start-up until the main window is shown with its values loaded\n");
    std::printf("%d runs each, Qt platform %s\n\n", runs,
                platform != nullptr ? platform : "default");
    std::printf("%-34s %9s %9s %9s %12s\n", "", "median ms", "min ms", "max ms", "peak RSS MiB");
    const Figures programFigures = Summarise(program);
    const Figures bareFigures = Summarise(bare);
    Print("kestrune (three windows, loaded)", programFigures);
    Print("bare Qt window", bareFigures);
    std::printf(
        "\nThe program over a bare window: %+.1f ms, %+.1f MiB\n",
        programFigures.median - bareFigures.median,
        static_cast<double>(programFigures.peakKilobytes - bareFigures.peakKilobytes) / 1024.0);
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::string_view role = argc > 1 ? argv[1] : "";
    if (role == "--program") {
        return ProgramChild(argc, argv);
    }
    if (role == "--bare") {
        return BareChild(argc, argv);
    }
    const int runs = argc > 1 ? std::atoi(argv[1]) : 20;
    return Parent(runs > 0 ? runs : 20);
}
