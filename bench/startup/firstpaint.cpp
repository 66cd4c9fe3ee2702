// firstpaint [--dx N] <program> [args...]: starts a program on $DISPLAY and reports when a 64 x 64 block
// at the middle of the screen (moved N pixels across) first showed what it finally shows (its first
// painted frame there), and the program's peak memory.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

uint64_t Hash(XImage* image) {
    uint64_t h = 1469598103934665603ull;
    for (int y = 0; y < image->height; ++y)
        for (int x = 0; x < image->width; ++x) h = (h ^ XGetPixel(image, x, y)) * 1099511628211ull;
    return h;
}

long PeakKilobytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    int dx = 0;
    if (argc > 2 && std::strcmp(argv[1], "--dx") == 0) {
        dx = std::atoi(argv[2]);
        argv += 2;
        argc -= 2;
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: firstpaint [--dx N] <program> [args...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "firstpaint: no display\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    const int cx = DisplayWidth(display, 0) / 2 - 32 + dx, cy = DisplayHeight(display, 0) / 2 - 32;
    auto sample = [&] {
        XImage* image = XGetImage(display, root, cx, cy, 64, 64, AllPlanes, ZPixmap);
        const uint64_t h = Hash(image);
        XDestroyImage(image);
        return h;
    };
    const uint64_t before = sample();
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    std::vector<std::pair<double, uint64_t>> samples;
    auto elapsed = [&] { return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count(); };
    // Sample until the picture has been still for two seconds (or ten seconds have passed).
    double lastChange = 0;
    while (elapsed() < 10000 && (elapsed() - lastChange < 2000 || samples.size() < 2)) {
        const uint64_t h = sample();
        if (samples.empty() || samples.back().second != h) lastChange = elapsed();
        samples.emplace_back(elapsed(), h);
        usleep(1000);
    }
    const long peak = PeakKilobytes(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    const uint64_t final = samples.back().second;
    if (final == before) {
        std::printf("first_paint_ms=nan peak_kb=%ld\n", peak);
        return 1;
    }
    double first = samples.back().first;
    for (auto it = samples.rbegin(); it != samples.rend() && it->second == final; ++it) first = it->first;
    std::printf("first_paint_ms=%.1f peak_kb=%ld\n", first, peak);
    XCloseDisplay(display);
    return 0;
}
