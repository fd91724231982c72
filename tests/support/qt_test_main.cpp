// The Qt suites' main: their tests need a QApplication, and so a display. Unless one is chosen
// they run on the offscreen platform with one 1024 x 768 screen and no window frames, so window
// positions are exact; this also lets the test list be read at build time, where there is no
// display at all.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryFile>
#include <cstdlib>

namespace pipwick {

// Whether the tests run on that screen, for tests that depend on its size.
bool offscreenTestScreen = false;

namespace {

QtMessageHandler usualHandler = nullptr;

// The offscreen platform says at every raise() that it cannot stack windows; nothing else it says
// is dropped.
void QuietenStacking(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.startsWith(QStringLiteral("This plugin does not support"))) {
        usualHandler(type, context, text);
    }
}

}  // namespace

}  // namespace pipwick

int main(int argc, char* argv[]) {
    testing::InitGoogleTest(&argc, argv);
    QTemporaryFile screenConfig;
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform == nullptr || platform[0] == '\0') {
        screenConfig.open();
        screenConfig.write(R"({"windowFrameMargins": false, "screens": [{"name": "Test",
            "x": 0, "y": 0, "width": 1024, "height": 768, "logicalDpi": 96, "dpr": 1}]})");
        screenConfig.close();
        const QByteArray choice = "offscreen:configfile=" + screenConfig.fileName().toLocal8Bit();
        qputenv("QT_QPA_PLATFORM", choice);
        pipwick::offscreenTestScreen = true;
    }
    pipwick::usualHandler = qInstallMessageHandler(pipwick::QuietenStacking);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
