#include "shell/qt_sound_output.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QUrl>

namespace pipwick {

namespace {

QString WavePath(int32_t id) {
    return QStringLiteral(":/wave/%1").arg(id);
}

}  // namespace

std::optional<std::vector<uint8_t>> EmbeddedWave(int32_t id) {
    QFile file(WavePath(id));
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

// A sound effect with no device to play on never finishes, so nothing is started without one.
bool QtSoundOutput::HasDevice() {
    return !QMediaDevices::audioOutputs().isEmpty();
}

void QtSoundOutput::Start(int32_t wave) {
    std::unique_ptr<QSoundEffect>& effect = effects_[wave];
    if (!effect) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl(QStringLiteral("qrc") + WavePath(wave)));
    }
    // A sound still loading starts once it is loaded.
    effect->play();
}

void QtSoundOutput::Stop(int32_t wave) {
    if (const auto found = effects_.find(wave); found != effects_.end()) {
        found->second->stop();
    }
}

}  // namespace pipwick
