#include "shell/app/qt_clock.h"

#include <QEventLoop>
#include <QTimer>
#include <ctime>

namespace pipwick {

QtClock::QtClock() {
    elapsed_.start();
}

uint32_t QtClock::TickCount() {
    return static_cast<uint32_t>(elapsed_.elapsed());
}

void QtClock::WaitUntil(uint32_t deadline) {
    // The difference read as signed keeps the comparison right across the wrap at 2^32.
    for (int32_t left = static_cast<int32_t>(deadline - TickCount()); left > 0;
         left = static_cast<int32_t>(deadline - TickCount())) {
        QEventLoop loop;
        QTimer::singleShot(left, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
}

uint32_t CalendarSeeds::DealSeed() {
    return static_cast<uint32_t>(std::time(nullptr));
}

}  // namespace pipwick
