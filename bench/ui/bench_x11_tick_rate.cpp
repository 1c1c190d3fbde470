// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's tick rate on a real X server, where every picture travels to the display
// server: starts Xvfb on a free display and a window manager (openbox) when one is installed,
// and runs bench_window_tick_rate there on Qt's X11 platform. Without Xvfb it says so and
// succeeds, so that `make bench` runs everywhere.
#include <QStandardPaths>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr int DisplayStartMs = 10000;

// This process's environment with `overrides` ("NAME=value") in place of their namesakes.
std::vector<std::string> Environment(const std::vector<std::string>& overrides) {
    std::vector<std::string> result;
    for (char** entry = environ; *entry; ++entry) {
        const std::string variable(*entry);
        const std::string name = variable.substr(0, variable.find('=') + 1);
        bool replaced = false;
        for (const std::string& override : overrides)
            replaced = replaced || override.rfind(name, 0) == 0;
        if (!replaced)
            result.push_back(variable);
    }
    result.insert(result.end(), overrides.begin(), overrides.end());
    return result;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (std::string& text : strings)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Starts `arguments[0]` from the PATH; `quiet` sends its output to /dev/null. 0 on failure.
pid_t Start(std::vector<std::string> arguments, std::vector<std::string> environment, bool quiet) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (quiet) {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    }
    const std::vector<char*> argv = Pointers(arguments);
    const std::vector<char*> envp = Pointers(environment);
    pid_t pid = 0;
    const int failed = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    return failed ? 0 : pid;
}

void Stop(pid_t pid) {
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

// Reads what Xvfb writes to its -displayfd once it accepts clients: the display number.
std::string ReadDisplayNumber(int fd) {
    std::string number;
    char c = 0;
    pollfd wait{fd, POLLIN, 0};
    while (poll(&wait, 1, DisplayStartMs) == 1 && read(fd, &c, 1) == 1 && c != '\n')
        number += c;
    return c == '\n' ? number : std::string();
}

// The X server on a display of its own choosing; `Display` is empty when it did not start.
struct XServer {
    pid_t Pid = 0;
    std::string Display;
};

XServer StartXvfb() {
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return {};
    fcntl(pipeFds[0], F_SETFD, FD_CLOEXEC);
    XServer server;
    server.Pid = Start({"Xvfb", "-displayfd", std::to_string(pipeFds[1]), "-screen", "0",
                        "1280x1024x24", "-nolisten", "tcp"},
                       Environment({}), true);
    close(pipeFds[1]);
    if (server.Pid)
        server.Display = ":" + ReadDisplayNumber(pipeFds[0]);
    close(pipeFds[0]);
    if (server.Display == ":")
        server.Display.clear();
    return server;
}

std::string Sibling(const char* name) {
    char self[4096] = {};
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0)
        return name;
    const std::string path(self, static_cast<std::size_t>(length));
    return path.substr(0, path.rfind('/') + 1) + name;
}

int RunAndWait(pid_t pid) {
    int status = 0;
    if (pid <= 0 || waitpid(pid, &status, 0) != pid)
        return 1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}

} // namespace

int main() {
    if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()) {
        std::printf("Xvfb is not installed: no measurement on an X server.\n");
        return 0;
    }
    XServer server = StartXvfb();
    if (server.Display.empty()) {
        std::fprintf(stderr, "Xvfb did not start\n");
        Stop(server.Pid);
        return 1;
    }
    const std::string display = "DISPLAY=" + server.Display;
    const bool managed = !QStandardPaths::findExecutable(QStringLiteral("openbox")).isEmpty();
    const pid_t windowManager = managed ? Start({"openbox"}, Environment({display}), true) : 0;
    std::printf("Xvfb on %s, %s\n", server.Display.c_str(),
                windowManager ? "window manager openbox" : "no window manager installed");
    std::fflush(stdout);
    const pid_t bench = Start({Sibling("bench_window_tick_rate")},
                              Environment({display, "QT_QPA_PLATFORM=xcb"}), false);
    const int result = RunAndWait(bench);
    Stop(windowManager);
    Stop(server.Pid);
    return result;
}
