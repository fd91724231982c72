// The Qt suites' main: their tests need a QApplication. Whatever the environment names, they run
// on the offscreen platform with one 1024 x 768 screen and no window frames, so window positions
// are exact, results do not depend on the machine's display (or on there being one), and the test
// list can be read at build time. No test may start a real process: one that reaches the program's
// process start fails instead.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include "update/program_start.h"

namespace pipwick {

namespace {

QtMessageHandler usualHandler = nullptr;

// The offscreen platform says at every raise() that it cannot stack windows; nothing else it says
// is dropped.
void QuietenStacking(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.startsWith(QStringLiteral("This plugin does not support"))) {
        usualHandler(type, context, text);
    }
}

void RefuseProgramStart(const QString& program) {
    ADD_FAILURE() << "a test reached a real start of " << program.toStdString()
                  << "; give the program under test a recording starter";
}

}  // namespace

}  // namespace pipwick

int main(int argc, char* argv[]) {
    testing::InitGoogleTest(&argc, argv);
    pipwick::ForbidProgramStarts(pipwick::RefuseProgramStart);
    QTemporaryFile screenConfig;
    screenConfig.open();
    screenConfig.write(R"({"windowFrameMargins": false, "screens": [{"name": "Test",
        "x": 0, "y": 0, "width": 1024, "height": 768, "logicalDpi": 96, "dpr": 1}]})");
    screenConfig.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screenConfig.fileName().toLocal8Bit());
#ifdef PIPWICK_TEST_SCALE_FACTOR
    // A suite for high-density screens: Qt gives every window this many screen pixels to a
    // window pixel.
    qputenv("QT_SCALE_FACTOR", PIPWICK_TEST_SCALE_FACTOR);
#endif
    // Whatever the program keeps in the user's data folder goes to a folder of the run's own.
    QTemporaryDir userData;
    qputenv("XDG_DATA_HOME", userData.path().toLocal8Bit());
    pipwick::usualHandler = qInstallMessageHandler(pipwick::QuietenStacking);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
