#include "shell/sound/qt_sound_output.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QUrl>

#include "shell/sound/wave_header.h"

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

// A wave that cannot be padded plays as it is.
QSoundEffect& QtSoundOutput::Effect(int32_t wave) {
    std::unique_ptr<QSoundEffect>& effect = effects_[wave];
    if (effect) {
        return *effect;
    }
    effect = std::make_unique<QSoundEffect>();
    QUrl source(QStringLiteral("qrc") + WavePath(wave));
    const auto bytes = EmbeddedWave(wave);
    const auto padded = bytes ? WithTrailingSilence(*bytes, kTrailingSilenceMs) : std::nullopt;
    if (!copies_) {
        copies_ = std::make_unique<QTemporaryDir>();
    }
    QFile copy(copies_->filePath(QStringLiteral("%1.wav").arg(wave)));
    if (padded && copies_->isValid() && copy.open(QIODevice::WriteOnly) &&
        copy.write(reinterpret_cast<const char*>(padded->data()),
                   static_cast<qint64>(padded->size())) == static_cast<qint64>(padded->size())) {
        source = QUrl::fromLocalFile(copy.fileName());
    }
    copy.close();
    effect->setSource(source);
    return *effect;
}

void QtSoundOutput::Prepare(int32_t wave) {
    Effect(wave);
}

// A sound still loading starts once it is loaded.
void QtSoundOutput::Start(int32_t wave) {
    Effect(wave).play();
}

void QtSoundOutput::Stop(int32_t wave) {
    if (const auto found = effects_.find(wave); found != effects_.end()) {
        found->second->stop();
    }
}

}  // namespace pipwick
