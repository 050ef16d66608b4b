#include "Desktop.h"

#include <xcb/xtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace bench {

int Run(const char* name, const std::function<int()>& body)
{
    try {
        return body();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", name, e.what());
        return 1;
    }
}

double Now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void PrintRow(const char* what, double game, double bare, const char* unit, const char* baseline)
{
    std::printf("%-28s game %9.3f %-6s %-10s %9.3f %-6s ", what, game, unit, baseline, bare, unit);
    if (bare > 0)
        std::printf("ratio %.2f\n", game / bare);
    else
        std::printf("ratio n/a (%s is 0)\n", baseline);
    std::fflush(stdout);
}

void PrintPairedRow(const char* what, const std::vector<double>& game, const std::vector<double>& bare,
                    const char* unit)
{
    std::vector<double> ratios;
    for (std::size_t i = 0; i < std::min(game.size(), bare.size()); ++i)
        if (bare[i] > 0)
            ratios.push_back(game[i] / bare[i]);
    std::printf("%-28s game %9.3f %-6s %-10s %9.3f %-6s paired ratio %.2f\n", what, Median(game), unit, "bare",
                Median(bare), unit, Median(ratios));
    std::fflush(stdout);
}

Program Game()
{
    const char* other = std::getenv("BENCH_GAME");  // another build of the game, to compare
    return {"game", {other && *other ? other : QUINDLE_GAME}};
}

Program Bare(int x, int y, const std::vector<std::string>& options)
{
    Program p{"bare", {QUINDLE_BARE, "--at", std::to_string(x) + "," + std::to_string(y)}};
    p.argv.insert(p.argv.end(), options.begin(), options.end());
    return p;
}

namespace {
[[noreturn]] void Fail(const std::string& what)
{
    throw std::runtime_error(what + (errno ? std::string(": ") + std::strerror(errno) : std::string()));
}

// Reads one line from a pipe the child writes, within `timeout` seconds.
std::string ReadLine(int fd, double timeout)
{
    std::string line;
    const double end = Now() + timeout;
    while (Now() < end) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 100) <= 0)
            continue;
        char c = 0;
        if (read(fd, &c, 1) != 1)
            break;
        if (c == '\n')
            return line;
        line += c;
    }
    return line;
}
}

pid_t Desktop::Spawn(const std::vector<std::string>& argv, int keepFd)
{
    const pid_t pid = fork();
    if (pid < 0)
        Fail("fork");
    if (pid == 0) {
        setpgid(0, 0);
        if (chdir(QUINDLE_ASSETS) != 0)
            _exit(126);
        const int null = open("/dev/null", O_RDWR);
        dup2(null, 0);
        dup2(null, 1);
        if (!std::getenv("BENCH_VERBOSE"))
            dup2(null, 2);
        for (int fd = 3; fd < 256; ++fd)
            if (fd != keepFd)
                close(fd);
        std::vector<char*> args;
        for (const std::string& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    return pid;
}

Desktop::Desktop()
{
    char dir[] = "/tmp/quindle-bench-XXXXXX";
    if (!mkdtemp(dir))
        Fail("mkdtemp");
    FDir = dir;
    const std::string config = FDir + "/config";
    mkdir(config.c_str(), 0700);
    setenv("XDG_RUNTIME_DIR", FDir.c_str(), 1);
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("SESSION_MANAGER");

    int pipeFd[2];
    if (pipe(pipeFd) != 0)
        Fail("pipe");
    FXvfb = Spawn({"Xvfb", "-displayfd", std::to_string(pipeFd[1]), "-screen", "0", "1920x1080x24", "-nolisten",
                   "tcp", "-noreset"},
                  pipeFd[1]);
    close(pipeFd[1]);
    const std::string display = ReadLine(pipeFd[0], 20);
    close(pipeFd[0]);
    if (display.empty())
        Fail("Xvfb did not start");
    setenv("DISPLAY", (":" + display).c_str(), 1);

    if (pipe(pipeFd) != 0)
        Fail("pipe");
    FBus = Spawn({"dbus-daemon", "--session", "--nofork", "--print-address=" + std::to_string(pipeFd[1])},
                 pipeFd[1]);
    close(pipeFd[1]);
    const std::string bus = ReadLine(pipeFd[0], 20);
    close(pipeFd[0]);
    if (!bus.empty())
        setenv("DBUS_SESSION_BUS_ADDRESS", bus.c_str(), 1);

    FX = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(FX))
        Fail("cannot connect to the X server");
    FRoot = xcb_setup_roots_iterator(xcb_get_setup(FX)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(FX, FRoot, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(FX);
}

Desktop::~Desktop()
{
    for (pid_t pid : std::vector<pid_t>(FChildren))
        Stop(pid);
    if (FX)
        xcb_disconnect(FX);
    for (pid_t pid : {FBus, FXvfb}) {
        if (pid > 0) {
            kill(-pid, SIGTERM);
            waitpid(pid, nullptr, 0);
        }
    }
    const std::string rm = "rm -rf '" + FDir + "'";
    if (std::system(rm.c_str()) != 0)
        std::fprintf(stderr, "could not remove %s\n", FDir.c_str());
}

pid_t Desktop::Start(const Program& program)
{
    const pid_t pid = Spawn(program.argv);
    FChildren.push_back(pid);
    return pid;
}

void Desktop::Stop(pid_t pid)
{
    kill(-pid, SIGTERM);
    const double end = Now() + 5;
    while (waitpid(pid, nullptr, WNOHANG) == 0) {
        if (Now() > end) {
            kill(-pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            break;
        }
        usleep(2000);
    }
    std::erase(FChildren, pid);
}

Window Desktop::WaitForMap(double timeout, double* mappedAt)
{
    const double end = Now() + timeout;
    const int fd = xcb_get_file_descriptor(FX);
    while (true) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(FX)) {
            const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            const xcb_window_t id = mapped && !map->override_redirect ? map->window : 0;
            std::free(event);
            if (!id)
                continue;
            const double at = Now();
            if (mappedAt)
                *mappedAt = at;
            Window w{id};
            if (auto* g = xcb_get_geometry_reply(FX, xcb_get_geometry(FX, id), nullptr)) {
                w = {id, g->x, g->y, g->width, g->height};
                std::free(g);
            }
            return w;
        }
        const double left = end - Now();
        if (left <= 0 || xcb_connection_has_error(FX))
            return {};
        pollfd p{fd, POLLIN, 0};
        poll(&p, 1, std::max(1, int(left * 1000)));
    }
}

std::vector<std::uint8_t> Desktop::Grab(int x, int y, int width, int height)
{
    auto* reply = xcb_get_image_reply(
        FX, xcb_get_image(FX, XCB_IMAGE_FORMAT_Z_PIXMAP, FRoot, x, y, width, height, ~0u), nullptr);
    if (!reply)
        return {};
    const std::uint8_t* data = xcb_get_image_data(reply);
    std::vector<std::uint8_t> pixels(data, data + xcb_get_image_data_length(reply));
    std::free(reply);
    return pixels;
}

void Desktop::Press(int x, int y)
{
    xcb_test_fake_input(FX, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, FRoot, x, y, 0);
    xcb_test_fake_input(FX, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_flush(FX);
}

void Desktop::Release(int x, int y)
{
    xcb_test_fake_input(FX, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, FRoot, x, y, 0);
    xcb_test_fake_input(FX, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_flush(FX);
}

Usage ReadUsage(pid_t pid)
{
    Usage usage;
    const std::string base = "/proc/" + std::to_string(pid) + "/task";
    DIR* tasks = opendir(base.c_str());
    if (!tasks)
        return usage;
    while (dirent* entry = readdir(tasks)) {
        if (entry->d_name[0] == '.')
            continue;
        const std::string task = base + "/" + entry->d_name;
        std::ifstream schedstat(task + "/schedstat");
        std::uint64_t ns = 0;
        if (schedstat >> ns)
            usage.cpuSeconds += double(ns) * 1e-9;
        std::ifstream status(task + "/status");
        for (std::string line; std::getline(status, line);) {
            if (line.starts_with("voluntary_ctxt_switches:") || line.starts_with("nonvoluntary_ctxt_switches:"))
                usage.wakeups += std::stoull(line.substr(line.find(':') + 1));
        }
    }
    closedir(tasks);
    return usage;
}

double ReadRssMiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmRSS:"))
            return double(std::stoull(line.substr(6))) / 1024.0;
    }
    return 0;
}

} // namespace bench
