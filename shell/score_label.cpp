#include "shell/score_label.h"

#include <QFontMetrics>
#include <QPainter>

#include "texts/texts.h"

namespace pipwick {

namespace {

// Measured under a common window manager's default theme, whose title font is an 8-point bold
// sans: it centres the caption between equal margins, as wide as the icon or the buttons on
// either side, and left 106 pixels of a window's width to them; the rest of the allowance is room
// for slightly wider fonts.
constexpr int32_t kFrameAllowance = 112;
constexpr double kTitlePoints = 8.0;
// The largest and smallest text heights the label draws with, in pixels.
constexpr int kLargestPixels = 13;
constexpr int kSmallestPixels = 6;

}  // namespace

bool CaptionMayBeCut(int32_t captionWidth, int32_t outerWidth) {
    return captionWidth > outerWidth - kFrameAllowance;
}

int32_t CaptionWidth(const QString& caption) {
    QFont font(QStringLiteral("Sans"));
    font.setBold(true);
    font.setPointSizeF(kTitlePoints);
    return QFontMetrics(font).horizontalAdvance(caption);
}

ScoreLabel::ScoreLabel(QWidget& surface) : QWidget(&surface) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void ScoreLabel::SetCaption(const QString& caption) {
    caption_ = caption;
    Refresh();
}

void ScoreLabel::SetScore(int32_t score) {
    score_ = score;
    Refresh();
}

void ScoreLabel::FitUnder(const Rect& slot) {
    const QSize surface = parentWidget()->size();
    setGeometry(slot.left, slot.bottom, surface.width() - slot.left,
                surface.height() - slot.bottom);
    Refresh();
}

QString ScoreLabel::Text() const {
    return score_ ? QString::asprintf(text::kScoreInWindow, *score_) : QString();
}

void ScoreLabel::Refresh() {
    const bool needed =
        score_ && CaptionMayBeCut(CaptionWidth(caption_), window()->frameGeometry().width());
    setAccessibleName(needed ? Text() : QString());
    setVisible(needed);
    update();
}

// The strip is only a few pixels high: the text takes the largest size whose letters fit it with
// a pixel to spare under the tiles, measured on the letters themselves rather than the font's
// line height, since the text has no descenders.
QFont ScoreLabel::FittingFont(const QString& text) const {
    QFont font = this->font();
    font.setBold(true);
    for (int pixels = kLargestPixels; pixels > kSmallestPixels; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).tightBoundingRect(text).height() <= height() - 1) {
            return font;
        }
    }
    font.setPixelSize(kSmallestPixels);
    return font;
}

void ScoreLabel::paintEvent(QPaintEvent*) {
    const QString text = Text();
    const QFont font = FittingFont(text);
    const QRect ink = QFontMetrics(font).tightBoundingRect(text);
    QPainter painter(this);
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::WindowText));
    // The letters' lowest pixel on the strip's bottom row.
    painter.drawText(0, height() - 1 - ink.bottom(), text);
}

}  // namespace pipwick
