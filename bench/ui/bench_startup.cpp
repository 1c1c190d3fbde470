// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: how long from the start of the process until the main window is on the screen,
// and how much memory the program holds by then.
//
// Each measurement needs a fresh process, so the program starts itself a few times with
// "--once"; such a run goes through the start sequence of the game (application object, all
// windows created, the main window shown), waits until the main window is exposed and
// painted, prints its figures and ends. The parent prints the median and the worst run.
//
// The process start comes from the kernel (/proc/self/stat, in clock ticks of 10 ms), so the
// figure includes loading the program and its libraries. Run it offscreen
// (QT_QPA_PLATFORM=offscreen): then no display server's round trips are in it.
#include "ui/form1_main.h"
#include "ui/forms.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int Runs = 7;

// Seconds since boot at which this process started.
double ProcessStartSinceBoot() {
    std::ifstream stat("/proc/self/stat");
    std::string line;
    std::getline(stat, line);
    // The command name in parentheses may hold blanks; the fields after it are plain.
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    // starttime is field 22 of the line; after the name, field 3 comes first.
    for (int i = 3; i < 22; ++i)
        fields >> field;
    unsigned long long ticks = 0;
    fields >> ticks;
    return static_cast<double>(ticks) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double SecondsSinceBoot() {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

long PeakResidentKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Notes the first paint of the main window.
class FirstPaint : public QObject {
public:
    bool Seen = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            Seen = true;
        return QObject::eventFilter(watched, event);
    }
};

struct Figures {
    double FromProcessStartMs = 0;
    double FromMainMs = 0;
    long PeakKilobytes = 0;
};

// The start sequence of app/main.cpp up to the main window on the screen.
int MeasureOnce(int argc, char** argv, const QElapsedTimer& sinceMain) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Das Krugheim"));
    QApplication::setApplicationDisplayName(QStringLiteral("Das Krugheim"));
    QApplication::setQuitOnLastWindowClosed(false);
    CreateForms();
    FirstPaint paint;
    Form1->installEventFilter(&paint);
    Form1->show();
    while (!(Form1->windowHandle() && Form1->windowHandle()->isExposed() && paint.Seen))
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    QApplication::processEvents(); // let the paint finish
    const double shown = SecondsSinceBoot();
    const double fromMain = static_cast<double>(sinceMain.nsecsElapsed()) / 1e6;
    std::printf("%.1f %.1f %ld\n", (shown - ProcessStartSinceBoot()) * 1000, fromMain,
                PeakResidentKilobytes());
    Form1->removeEventFilter(&paint);
    DestroyForms();
    return 0;
}

bool RunChild(const std::string& self, Figures& figures) {
    FILE* child = popen(("'" + self + "' --once").c_str(), "r");
    if (child == nullptr)
        return false;
    const int read = std::fscanf(child, "%lf %lf %ld", &figures.FromProcessStartMs,
                                 &figures.FromMainMs, &figures.PeakKilobytes);
    return pclose(child) == 0 && read == 3;
}

template <class T> T Median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

template <class T> T Worst(const std::vector<T>& values) {
    return *std::max_element(values.begin(), values.end());
}

int Report(const std::string& self) {
    std::vector<double> fromStart;
    std::vector<double> fromMain;
    std::vector<long> peak;
    for (int run = 0; run < Runs; ++run) {
        Figures figures;
        if (!RunChild(self, figures)) {
            std::fprintf(stderr, "a start-up run failed\n");
            return 1;
        }
        fromStart.push_back(figures.FromProcessStartMs);
        fromMain.push_back(figures.FromMainMs);
        peak.push_back(figures.PeakKilobytes);
    }
    const std::string title = "Start-up, " + std::to_string(Runs) + " runs";
    std::printf("%-44s %10s %10s %10s\n", title.c_str(), "median", "worst", "target");
    std::printf("%-44s %7.0f ms %7.0f ms %7s ms\n", "process start to main window shown",
                Median(fromStart), Worst(fromStart), "< 300");
    std::printf("%-44s %7.0f ms %7.0f ms %10s\n", "  of which from main() on", Median(fromMain),
                Worst(fromMain), "");
    std::printf("%-44s %7.1f MB %7.1f MB %7s MB\n", "peak resident memory after start",
                static_cast<double>(Median(peak)) / 1024, static_cast<double>(Worst(peak)) / 1024,
                "< 80");
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer sinceMain;
    sinceMain.start();
    if (argc > 1 && std::string(argv[1]) == "--once")
        return MeasureOnce(argc, argv, sinceMain);
    char self[4096] = {};
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0)
        return 1;
    return Report(std::string(self, static_cast<std::size_t>(length)));
}
