// x_ping_probe: pings X windows the way a window manager checks that a program still answers, and
// reports how long each took to answer.
//
//   x_ping_probe --seconds S [--interval-ms I] NAME=WINDOW_ID ...
//
// Every I ms (default 5) each window that has no ping outstanding is sent a _NET_WM_PING client message
// (WM_PROTOCOLS, carrying a sequence number); the toolkit answers it from the window's event loop by
// sending the message back to the root window, where the probe listens. The time from sending to the
// answer is the window's ping time: while its event loop is held up, the ping waits, so the worst ping
// time is the longest the window was unresponsive (give or take the interval). A ping still unanswered at
// the end counts with its age. Prints one line per window: pings, median, 99th percentile, worst, and how
// many took 50 ms or more.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Target {
    std::string name;
    Window window = 0;
    long sequence = 0;
    bool bOutstanding = false;
    Clock::time_point sentAt;
    std::vector<double> pingMs;
};

double MsSince(Clock::time_point since) {
    return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

void SendPing(Display* display, Atom protocols, Atom ping, Target& target) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = target.window;
    event.xclient.message_type = protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(ping);
    event.xclient.data.l[1] = ++target.sequence;
    event.xclient.data.l[2] = static_cast<long>(target.window);
    XSendEvent(display, target.window, False, NoEventMask, &event);
    XFlush(display);
    target.bOutstanding = true;
    target.sentAt = Clock::now();
}

void TakeAnswers(Display* display, Atom ping, std::vector<Target>& targets) {
    while (XPending(display) > 0) {
        XEvent event{};
        XNextEvent(display, &event);
        if (event.type != ClientMessage || event.xclient.data.l[0] != static_cast<long>(ping)) {
            continue;
        }
        for (Target& target : targets) {
            if (target.bOutstanding && static_cast<long>(target.window) == event.xclient.data.l[2] &&
                target.sequence == event.xclient.data.l[1]) {
                target.pingMs.push_back(MsSince(target.sentAt));
                target.bOutstanding = false;
            }
        }
    }
}

double Percentile(std::vector<double> values, double fraction) {
    if (values.empty()) {
        return 0.0;
    }
    std::sort(values.begin(), values.end());
    const auto index = static_cast<size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(index, values.size() - 1)];
}

int Usage() {
    std::fprintf(stderr, "usage: x_ping_probe --seconds S [--interval-ms I] NAME=WINDOW_ID ...\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    double seconds = 0.0;
    int intervalMs = 5;
    std::vector<Target> targets;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--seconds" && i + 1 < argc) {
            seconds = std::atof(argv[++i]);
        } else if (arg == "--interval-ms" && i + 1 < argc) {
            intervalMs = std::max(1, std::atoi(argv[++i]));
        } else if (const auto eq = arg.find('='); eq != std::string::npos) {
            Target target;
            target.name = arg.substr(0, eq);
            target.window = static_cast<Window>(std::strtoul(arg.c_str() + eq + 1, nullptr, 0));
            targets.push_back(target);
        } else {
            return Usage();
        }
    }
    if (seconds <= 0.0 || targets.empty()) {
        return Usage();
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "x_ping_probe: no display\n");
        return 1;
    }
    // The toolkit sends the answer to the root window for its substructure listeners.
    XSelectInput(display, DefaultRootWindow(display), StructureNotifyMask | SubstructureNotifyMask);
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom ping = XInternAtom(display, "_NET_WM_PING", False);
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(static_cast<long>(seconds * 1000));
    while (Clock::now() < end) {
        for (Target& target : targets) {
            if (!target.bOutstanding) {
                SendPing(display, protocols, ping, target);
            }
        }
        const Clock::time_point nextRound = Clock::now() + std::chrono::milliseconds(intervalMs);
        while (Clock::now() < nextRound) {
            // Xlib may have read an answer already while sending; poll() would not see that one.
            TakeAnswers(display, ping, targets);
            pollfd pfd{ConnectionNumber(display), POLLIN, 0};
            const auto waitMs =
                std::chrono::ceil<std::chrono::milliseconds>(nextRound - Clock::now()).count();
            ::poll(&pfd, 1, static_cast<int>(std::max<long>(0, waitMs)));
            TakeAnswers(display, ping, targets);
        }
    }
    TakeAnswers(display, ping, targets);
    std::printf("%-10s %7s %9s %9s %9s %7s\n", "window", "pings", "median", "p99", "worst", ">=50ms");
    for (Target& target : targets) {
        if (target.bOutstanding) {
            target.pingMs.push_back(MsSince(target.sentAt)); // unanswered at the end: counts with its age
        }
        const auto slow =
            std::count_if(target.pingMs.begin(), target.pingMs.end(), [](double ms) { return ms >= 50.0; });
        std::printf("%-10s %7zu %9.2f %9.2f %9.2f %7ld\n", target.name.c_str(), target.pingMs.size(),
                    Percentile(target.pingMs, 0.5), Percentile(target.pingMs, 0.99),
                    target.pingMs.empty() ? 0.0
                                          : *std::max_element(target.pingMs.begin(), target.pingMs.end()),
                    static_cast<long>(slow));
    }
    XCloseDisplay(display);
    return 0;
}
