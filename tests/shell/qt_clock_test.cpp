#include "shell/app/qt_clock.h"

#include <gtest/gtest.h>

#include <QTimer>

namespace pipwick {
namespace {

TEST(QtClock, AWaitLastsUntilTheDeadlineWhileTimersGoOn) {
    QtClock clock;
    bool timerRan = false;
    QTimer::singleShot(10, [&] { timerRan = true; });
    const uint32_t start = clock.TickCount();
    clock.WaitMilliseconds(60);
    EXPECT_GE(clock.TickCount() - start, 60u);
    EXPECT_TRUE(timerRan);
}

TEST(QtClock, ADeadlineAlreadyPassedReturnsWithoutRunningEvents) {
    QtClock clock;
    bool timerRan = false;
    QTimer::singleShot(0, [&] { timerRan = true; });
    clock.WaitMilliseconds(0);
    clock.WaitUntil(clock.TickCount() - 1000);
    EXPECT_FALSE(timerRan);
    clock.WaitMilliseconds(5);
    EXPECT_TRUE(timerRan);
}

}  // namespace
}  // namespace pipwick
