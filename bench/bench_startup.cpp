// A paired whole-process timer: starts the program's start-up probe and the bare window's in
// turn, each from exec to exit (quitting after its first paint), so that the load of a busy
// machine falls on both alike. Reports the medians of wall time, peak RSS and RSS at the first
// paint, and the median of the program's ratios to the bare window, round by round.
#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Probe
{
    const char *name;
    const char *executable; ///< beside this one
    bool paints; ///< reports its RSS at the first paint
    std::vector<double> wallMs, peakMib, firstPaintMib;
};

struct Sample
{
    double wallMs = 0, peakMib = 0, firstPaintMib = -1;
};

std::string besideSelf(const char *name)
{
    std::array<char, 4096> self{};
    const ssize_t n = readlink("/proc/self/exe", self.data(), self.size() - 1);
    std::string path = n > 0 ? std::string(self.data(), std::size_t(n)) : std::string("./x");
    return path.substr(0, path.rfind('/') + 1) + name;
}

/// Runs `path` to its end; exits the benchmark when it fails or takes longer than 20 s.
Sample runOnce(const std::string &path)
{
    int out[2];
    if (pipe(out) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDERR_FILENO);
        close(out[0]);
        close(out[1]);
        execl(path.c_str(), path.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string output;
    std::array<char, 256> chunk{};
    pollfd readable{ out[0], POLLIN, 0 };
    while (true) {
        const int ready = poll(&readable, 1, 20000);
        if (ready == 0) {
            kill(child, SIGKILL);
            std::fprintf(stderr, "%s: no end after 20 s\n", path.c_str());
            std::exit(1);
        }
        const ssize_t n = read(out[0], chunk.data(), chunk.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        output.append(chunk.data(), std::size_t(n));
    }
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed (status %d)\n", path.c_str(), status);
        std::exit(1);
    }
    Sample s;
    s.wallMs = std::chrono::duration<double, std::milli>(end - start).count();
    s.peakMib = usage.ru_maxrss / 1024.0; // KiB on Linux
    long kib = -1;
    if (const char *line = std::strstr(output.c_str(), "rss-after-first-paint-kib "))
        kib = std::strtol(line + std::strlen("rss-after-first-paint-kib "), nullptr, 10);
    s.firstPaintMib = kib < 0 ? -1 : kib / 1024.0;
    return s;
}

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

/// Judges the program's samples against the bare window's: the median of the ratios of the
/// two runs of each round, which shared the machine's load of that moment.
void verdict(const char *what, const std::vector<double> &program, const std::vector<double> &bare,
             double goal, const char *unit, bool &allMet)
{
    std::vector<double> ratios;
    for (std::size_t i = 0; i < program.size() && i < bare.size(); ++i)
        ratios.push_back(program[i] / bare[i]);
    const double ratio = median(ratios);
    const bool met = ratio <= goal;
    allMet = allMet && met;
    std::printf(
            "%-19s program %7.2f %s  bare window %7.2f %s  paired ratio %5.3f  goal <= %.2fx: %s\n",
            what, median(program), unit, median(bare), unit, ratio, goal, met ? "met" : "MISSED");
}

/// An empty folder of its own, removed with what the probes wrote into it.
class SettingsFolder
{
public:
    SettingsFolder() : created(mkdtemp(name) != nullptr) { }
    ~SettingsFolder()
    {
        if (created)
            std::filesystem::remove_all(name);
    }
    SettingsFolder(const SettingsFolder &) = delete;
    SettingsFolder &operator=(const SettingsFolder &) = delete;
    bool made() const { return created; }
    const char *path() const { return name; }

private:
    char name[32] = "/tmp/bench_startup.XXXXXX";
    bool created;
};

} // namespace

int main(int argc, char **argv)
{
    int runs = 30, warmup = 3;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--runs=", 7) == 0)
            runs = std::max(1, std::atoi(argv[i] + 7));
        else if (std::strncmp(argv[i], "--warmup=", 9) == 0)
            warmup = std::max(0, std::atoi(argv[i] + 9));
        else {
            std::fprintf(stderr, "usage: %s [--runs=N] [--warmup=N]\n", argv[0]);
            return 1;
        }
    }
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The probes start as on a new account: a zoom saved by whoever runs the benchmark would
    // make the program lay out and paint a larger window than the bare one.
    SettingsFolder settings;
    if (!settings.made()) {
        std::perror("mkdtemp");
        return 1;
    }
    setenv("XDG_CONFIG_HOME", settings.path(), 1);

    std::array<Probe, 3> probes{ {
            { "program", "startup_program", true, {}, {}, {} },
            { "bare window", "startup_barewindow", true, {}, {}, {} },
            { "bare application", "startup_bareapplication", false, {}, {}, {} },
    } };
    for (int round = 0; round < warmup + runs; ++round) {
        // Each round starts with a different probe, so none always follows the same one.
        for (std::size_t k = 0; k < probes.size(); ++k) {
            Probe &probe = probes[(k + std::size_t(round)) % probes.size()];
            const Sample s = runOnce(besideSelf(probe.executable));
            if (round < warmup)
                continue;
            probe.wallMs.push_back(s.wallMs);
            probe.peakMib.push_back(s.peakMib);
            if (probe.paints && s.firstPaintMib < 0) {
                std::fprintf(stderr, "%s did not report its first paint\n", probe.executable);
                return 1;
            }
            probe.firstPaintMib.push_back(s.firstPaintMib);
        }
    }

    std::printf("platform %s, %d runs each (medians)\n", std::getenv("QT_QPA_PLATFORM"), runs);
    for (const Probe &p : probes) {
        std::printf("%-17s  start to exit %7.2f ms (min %7.2f)  peak RSS %6.1f MiB", p.name,
                    median(p.wallMs), *std::min_element(p.wallMs.begin(), p.wallMs.end()),
                    median(p.peakMib));
        if (p.paints)
            std::printf("  RSS at first paint %6.1f MiB", median(p.firstPaintMib));
        std::printf("\n");
    }
    bool allMet = true;
    verdict("start-up time", probes[0].wallMs, probes[1].wallMs, 1.10, "ms", allMet);
    verdict("RSS after start-up", probes[0].firstPaintMib, probes[1].firstPaintMib, 1.10, "MiB",
            allMet);
    verdict("peak RSS", probes[0].peakMib, probes[1].peakMib, 1.10, "MiB", allMet);
    return allMet ? 0 : 2;
}
