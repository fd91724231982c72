#include "shell/dialogs/about_box.h"

#include <QFontMetrics>
#include <QIcon>

#include "shell/app/translations.h"
#include "texts/texts.h"

namespace pipwick {

namespace {

constexpr int kIconPixels = 32;

}  // namespace

AboutBox::AboutBox(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      icon_(new QLabel(this)),
      version_(
          new QLabel(Translated(text::kAboutVersion).arg(QLatin1String(PIPWICK_VERSION)), this)),
      notice_(new QLabel(QString::fromLatin1(text::kAboutNotice), this)),
      ok_(new QPushButton(Translated(text::kOk), this)) {
    setWindowTitle(Translated(text::kAboutTitle));
    setFixedSize(Units(0, 0, 217, 55).size());
    icon_->setPixmap(QIcon(QStringLiteral(":/icons/pipwick.png")).pixmap(kIconPixels));
    icon_->setGeometry(QRect(Units(17, 16, 0, 0).topLeft(), QSize(kIconPixels, kIconPixels)));
    version_->setGeometry(Units(55, 13, 119, 8));
    notice_->setGeometry(Units(55, 28, 158, 8));
    ok_->setGeometry(Units(178, 7, 32, 14));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

QRect AboutBox::Units(int x, int y, int width, int height) const {
    const QFontMetrics metrics(font());
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int across = (metrics.horizontalAdvance(alphabet) / 26 + 1) / 2;
    const int down = metrics.height();
    return {x * across / 4, y * down / 8, width * across / 4, height * down / 8};
}

}  // namespace pipwick
