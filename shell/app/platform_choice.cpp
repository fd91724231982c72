#include "shell/app/platform_choice.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

#include "texts/texts.h"

namespace pipwick {

namespace {

bool IsSet(const char* value) {
    return value != nullptr && value[0] != '\0';
}

struct HeldMessage {
    QtMsgType type;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
QList<HeldMessage>* heldMessages = nullptr;

void HoldMessage(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg) {
        // The platform's own warning names the display; the fatal message only says it failed.
        const QString& reason = heldMessages->isEmpty() ? text : heldMessages->first().text;
        std::fprintf(stderr, "%s%s\n", text::kDisplayFailed, qPrintable(reason.simplified()));
        std::_Exit(1);
    }
    heldMessages->append({type, text});
}

}  // namespace

Platform ChoosePlatform(const char* chosenPlatform, const char* display,
                        const char* waylandDisplay) {
    if (IsSet(chosenPlatform)) {
        return Platform::kAsChosen;
    }
    if (!IsSet(display)) {
        return Platform::kNoDisplay;
    }
    return IsSet(waylandDisplay) ? Platform::kXWayland : Platform::kAsChosen;
}

bool PreparePlatform() {
    const Platform platform = ChoosePlatform(std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"),
                                             std::getenv("WAYLAND_DISPLAY"));
    if (platform == Platform::kXWayland) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    return platform != Platform::kNoDisplay;
}

PlatformStartWatch::PlatformStartWatch() {
    heldMessages = new QList<HeldMessage>;
    previousHandler = qInstallMessageHandler(HoldMessage);
}

PlatformStartWatch::~PlatformStartWatch() {
    Started();
}

void PlatformStartWatch::Started() {
    if (heldMessages == nullptr) {
        return;
    }
    qInstallMessageHandler(previousHandler);
    const QList<HeldMessage> held = *heldMessages;
    delete heldMessages;
    heldMessages = nullptr;
    for (const HeldMessage& message : held) {
        const QByteArray text = message.text.toLocal8Bit();
        if (message.type == QtWarningMsg || message.type == QtCriticalMsg) {
            qWarning("%s", text.constData());
        } else {
            qDebug("%s", text.constData());
        }
    }
}

}  // namespace pipwick
