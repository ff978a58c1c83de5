// Times whole programs from start until their first window is shown and they have ended on
// Escape, on an X display of their own:
//
//     startup_timer ROUNDS NAME=COMMAND [NAME=COMMAND...]
//
// Each round starts every command once, in turn, and prints the median wall time and the median
// peak memory (maximum resident set) of each, with their ratios to the first. The display must have
// no window manager, so that a program's window is mapped straight onto the root window, where the
// timer sees it.

#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using clock_type = std::chrono::steady_clock;

struct program {
    std::string name;
    std::string command;
    std::vector<double> milliseconds;
    std::vector<double> peak_mebibytes;
};

struct run_result {
    double milliseconds = -1;  // negative when something went wrong
    double peak_mebibytes = 0;
};

void send_key(Display* display, Window window, KeyCode code) {
    for (const int type : {KeyPress, KeyRelease}) {
        XEvent event{};
        event.xkey.type = type;
        event.xkey.display = display;
        event.xkey.window = window;
        event.xkey.root = DefaultRootWindow(display);
        event.xkey.subwindow = None;
        event.xkey.time = CurrentTime;
        event.xkey.same_screen = True;
        event.xkey.keycode = code;
        XSendEvent(display, window, True, type == KeyPress ? KeyPressMask : KeyReleaseMask, &event);
    }
    XFlush(display);
}

// Starts the command, presses Escape in the first window it maps, and waits for it to end.
run_result time_once(Display* display, const std::string& command) {
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, True);  // forget the events of earlier rounds

    const auto start = clock_type::now();
    const pid_t child = fork();
    if (child == 0) {
        execl("/bin/sh", "sh", "-c", ("exec " + command).c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    if (child < 0) {
        return {};
    }

    const KeyCode escape = XKeysymToKeycode(display, XK_Escape);
    bool pressed = false;
    int status = 0;
    rusage usage{};
    for (;;) {
        const pid_t ended = wait4(child, &status, WNOHANG, &usage);
        if (ended == child) {
            break;
        }
        if (std::chrono::duration<double>(clock_type::now() - start).count() > 30) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return {};
        }
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect && !pressed) {
                send_key(display, event.xmap.window, escape);
                pressed = true;
            }
        }
        usleep(200);
    }
    const auto end = clock_type::now();
    if (!pressed || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return {};
    }
    // ru_maxrss counts KiB on Linux; the shell the command starts in is replaced by it.
    return {std::chrono::duration<double, std::milli>(end - start).count(),
            static_cast<double>(usage.ru_maxrss) / 1024.0};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s ROUNDS NAME=COMMAND [NAME=COMMAND...]\n", argv[0]);
        return 2;
    }
    const int rounds = std::atoi(argv[1]);
    std::vector<program> programs;
    for (int i = 2; i < argc; ++i) {
        const std::string argument = argv[i];
        const auto equals = argument.find('=');
        if (equals == std::string::npos) {
            std::fprintf(stderr, "not NAME=COMMAND: %s\n", argv[i]);
            return 2;
        }
        programs.push_back({argument.substr(0, equals), argument.substr(equals + 1), {}, {}});
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "cannot open the display\n");
        return 1;
    }

    // One unmeasured round warms the file cache for both.
    for (int round = -1; round < rounds; ++round) {
        for (program& each : programs) {
            const run_result result = time_once(display, each.command);
            if (result.milliseconds < 0) {
                std::fprintf(stderr, "%s did not show a window and end on Escape\n",
                             each.name.c_str());
                return 1;
            }
            if (round >= 0) {
                each.milliseconds.push_back(result.milliseconds);
                each.peak_mebibytes.push_back(result.peak_mebibytes);
            }
        }
    }
    XCloseDisplay(display);

    const double time_reference = median(programs.front().milliseconds);
    const double memory_reference = median(programs.front().peak_mebibytes);
    for (const program& each : programs) {
        const auto [low, high] =
            std::minmax_element(each.milliseconds.begin(), each.milliseconds.end());
        std::printf("%-16s median %7.1f ms  (min %7.1f, max %7.1f, %d runs)  %.2fx\n",
                    each.name.c_str(), median(each.milliseconds), *low, *high, rounds,
                    median(each.milliseconds) / time_reference);
    }
    for (const program& each : programs) {
        const auto [low, high] =
            std::minmax_element(each.peak_mebibytes.begin(), each.peak_mebibytes.end());
        std::printf("%-16s peak   %7.1f MiB (min %7.1f, max %7.1f)           %.2fx\n",
                    each.name.c_str(), median(each.peak_mebibytes), *low, *high,
                    median(each.peak_mebibytes) / memory_reference);
    }
    return 0;
}
