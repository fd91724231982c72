// What a player waits for at start-up: the time from the start of the process to the end of the
// table window's first paint (which builds the table canvas from the artwork), and the peak memory
// by then. Run it on the offscreen platform (see docs/performance.md).
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>
#include <QApplication>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include "shell/app/application.h"

namespace {

// Seconds since boot at which this process started, from /proc (clock-tick resolution).
double ProcessStartSeconds() {
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // Field 22 counts from the closing parenthesis of the command name, which may hold blanks.
    size_t at = text.rfind(')');
    for (int field = 2; field < 22 && at != std::string::npos; ++field) {
        at = text.find(' ', at + 1);
    }
    return std::stod(text.substr(at + 1)) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double SecondsSinceBoot() {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

}  // namespace

int main(int argc, char* argv[]) {
    const auto mainStart = std::chrono::steady_clock::now();
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QTemporaryDir folder;
    pipwick::StartupOptions options;
    options.settingsPath = folder.filePath(QStringLiteral("pipwick.ini"));
    options.screen = pipwick::PrimaryScreenSize();
    options.endProgram = [](int) {};
    pipwick::Application game(std::move(options));
    while (!game.Pictures().Loaded()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    const double sinceProcess = SecondsSinceBoot() - ProcessStartSeconds();
    const std::chrono::duration<double> sinceMain = std::chrono::steady_clock::now() - mainStart;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("first paint: %.0f ms after the process started (%.0f ms after main)\n",
                sinceProcess * 1000, sinceMain.count() * 1000);
    std::printf("peak memory: %.1f MB\n", static_cast<double>(usage.ru_maxrss) / 1024);
    return 0;
}
