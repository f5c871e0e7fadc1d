// Start-up to the first painted frame, from the start of the process, for the
// table and for windows to compare it with, taken in turns in one run so that
// they share the machine's state. Also the peak memory of each.
//   velmora_startup_bench [runs]      (platform from QT_QPA_PLATFORM / DISPLAY)
#include "Clock.h"
#include "Platform.h"
#include "Stats.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Mode {
    const char* name;
    const char* caption;
};
constexpr std::array<Mode, 7> kModes = {{
    {"board", "frmBoard"},
    {"plain", "plain window, same children + 2 pictures"},
    {"bare", "bare QWidget 632x445"},
    {"main", "MainWindow (frmBoard + menu bar)"},
    {"plainmenu", "plain window + the same menu bar"},
    {"stock", "the same controls as stock Qt widgets"},
    {"stockmenu", "stock widgets + the same menu bar"},
}};

struct Sample {
    double milliseconds = 0.0;
    double peakMegabytes = 0.0;
    long children = 0;
    // Where the time went: fork to main, QApplication, building the window, showing and painting.
    std::array<double, 4> phases{};
};

std::string ProbePath() {
    std::array<char, 4096> self{};
    const ssize_t length = readlink("/proc/self/exe", self.data(), self.size() - 1);
    std::string path(self.data(), length > 0 ? static_cast<std::size_t>(length) : 0);
    return path.substr(0, path.rfind('/') + 1) + "velmora_startup_probe";
}

[[noreturn]] void Fail(const char* what) {
    std::perror(what);
    std::exit(1);
}

// The clock is read before fork, so exec, the loader and Qt's start-up all count.
Sample RunProbe(const std::string& probe, const char* mode) {
    int out[2];
    if (pipe(out) != 0) {
        Fail("pipe");
    }
    const std::int64_t started = MonotonicNanoseconds();
    const pid_t child = fork();
    if (child < 0) {
        Fail("fork");
    }
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execl(probe.c_str(), probe.c_str(), mode, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string text;
    std::array<char, 256> buffer{};
    for (ssize_t n = 0; (n = read(out[0], buffer.data(), buffer.size())) > 0;) {
        text.append(buffer.data(), static_cast<std::size_t>(n));
    }
    close(out[0]);
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "probe %s failed (status %d)\n", mode, status);
        std::exit(1);
    }
    long long painted = 0;
    long children = 0;
    std::array<long long, 3> marks{};
    if (std::sscanf(text.c_str(), "%lld %ld %lld %lld %lld", &painted, &children, &marks[0],
                    &marks[1], &marks[2]) != 5) {
        std::fprintf(stderr, "probe %s printed no time\n", mode);
        std::exit(1);
    }
    const auto ms = [](long long from, long long to) {
        return static_cast<double>(to - from) / 1e6;
    };
    return {ms(started, painted),
            static_cast<double>(usage.ru_maxrss) / 1024.0,
            children,
            {ms(started, marks[0]), ms(marks[0], marks[1]), ms(marks[1], marks[2]),
             ms(marks[2], painted)}};
}

} // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 15;
    const std::string probe = ProbePath();
    // One untimed round first, so every mode meets a warm page cache.
    for (const Mode& mode : kModes) {
        RunProbe(probe, mode.name);
    }
    std::array<std::vector<double>, kModes.size()> times;
    std::array<std::vector<double>, kModes.size()> peaks;
    std::array<long, kModes.size()> children{};
    std::array<std::array<std::vector<double>, 4>, kModes.size()> phases;
    for (int run = 0; run < runs; ++run) {
        for (std::size_t m = 0; m < kModes.size(); ++m) {
            const Sample sample = RunProbe(probe, kModes[m].name);
            times[m].push_back(sample.milliseconds);
            peaks[m].push_back(sample.peakMegabytes);
            children[m] = sample.children;
            for (std::size_t p = 0; p < sample.phases.size(); ++p) {
                phases[m][p].push_back(sample.phases[p]);
            }
        }
    }
    std::printf("Start-up to first painted frame, platform %s, %d runs each (median, min, max)\n",
                Platform(), runs);
    std::printf("  %-42s %8s %8s %8s %10s %9s\n", "window", "ms", "min", "max", "peak MB",
                "children");
    for (std::size_t m = 0; m < kModes.size(); ++m) {
        std::printf("  %-42s %8.1f %8.1f %8.1f %10.1f %9ld\n", kModes[m].caption, Median(times[m]),
                    *std::min_element(times[m].begin(), times[m].end()), Max(times[m]),
                    Median(peaks[m]), children[m]);
    }
    std::printf("  %-42s %8s %8s %8s %10s\n", "medians by phase, ms", "exec", "app", "window",
                "paint");
    for (std::size_t m = 0; m < kModes.size(); ++m) {
        std::printf("  %-42s %8.1f %8.1f %8.1f %10.1f\n", kModes[m].caption, Median(phases[m][0]),
                    Median(phases[m][1]), Median(phases[m][2]), Median(phases[m][3]));
    }
    std::printf("  frmBoard / plain: time %.2fx (target <= 1.20), peak memory %.2fx (target <= "
                "1.15)\n",
                Median(times[0]) / Median(times[1]), Median(peaks[0]) / Median(peaks[1]));
    std::printf("  frmBoard / bare:  time %.2fx, peak memory %.2fx\n",
                Median(times[0]) / Median(times[2]), Median(peaks[0]) / Median(peaks[2]));
    std::printf("  MainWindow / plain + menu bar: time %.2fx, peak memory %.2fx\n",
                Median(times[3]) / Median(times[4]), Median(peaks[3]) / Median(peaks[4]));
    std::printf("  frmBoard / stock widgets: time %.2fx, peak memory %.2fx\n",
                Median(times[0]) / Median(times[5]), Median(peaks[0]) / Median(peaks[5]));
    std::printf("  MainWindow / stock widgets + menu bar: time %.2fx (target <= 1.00), peak memory "
                "%.2fx (target <= 1.05)\n",
                Median(times[3]) / Median(times[6]), Median(peaks[3]) / Median(peaks[6]));
    return 0;
}
