#include "shell/windows/score_label.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "shell/app/translations.h"
#include "texts/texts.h"

namespace pipwick {

namespace {

// Measured under a common window manager's default theme, whose title font is an 8-point bold
// sans: it centres the caption between equal margins, as wide as the icon or the boxes on either
// side. In a window 175 pixels wide, a caption of up to 59 pixels (as CaptionWidth measures it)
// fits beside minimise, maximise and close boxes and one of 62 is cut; beside a close box alone,
// one of up to 121 fits and one of 122 is cut. The allowance beside a close box leaves room for
// slightly wider fonts.
constexpr int32_t kAllowanceBesideClose = 58;
constexpr int32_t kAllowanceBesideThreeBoxes = 116;
constexpr double kTitlePoints = 8.0;
// The largest and smallest text heights the label draws with, in pixels.
constexpr int kLargestPixels = 13;
constexpr int kSmallestPixels = 6;

}  // namespace

bool CaptionMayBeCut(int32_t captionWidth, int32_t outerWidth, CaptionBoxes boxes) {
    const int32_t allowance =
        boxes == CaptionBoxes::kClose ? kAllowanceBesideClose : kAllowanceBesideThreeBoxes;
    return captionWidth > outerWidth - allowance;
}

int32_t CaptionWidth(const QString& caption) {
    QFont font(QStringLiteral("Sans"));
    font.setBold(true);
    font.setPointSizeF(kTitlePoints);
    return QFontMetrics(font).horizontalAdvance(caption);
}

ScoreLabel::ScoreLabel(QWidget& surface, CaptionBoxes boxes) : QWidget(&surface), boxes_(boxes) {
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

void ScoreLabel::SetGame(const QString& game) {
    game_ = game;
    Refresh();
}

void ScoreLabel::FitUnder(const Rect& slot) {
    const QSize surface = parentWidget()->size();
    setGeometry(slot.left, slot.bottom, surface.width() - slot.left,
                surface.height() - slot.bottom);
    Refresh();
}

QString ScoreLabel::Text() const {
    if (!score_) {
        return {};
    }
    const QString score = Translated(text::kScoreInWindow).arg(*score_);
    return game_.isEmpty() ? score : Translated(text::kWithGame).arg(score, game_);
}

void ScoreLabel::Refresh() {
    const bool needed = score_ && CaptionMayBeCut(CaptionWidth(caption_),
                                                  window()->frameGeometry().width(), boxes_);
    // Qt tells a new name even when it is the old one.
    if (const QString name = needed ? Text() : QString(); name != accessibleName()) {
        setAccessibleName(name);
    }
    setVisible(needed);
    update();
}

// The strip is only a few pixels high: the text takes the largest size whose letters fit it with
// a pixel to spare under the tiles and one above the window's edge, measured on the letters
// themselves rather than the font's line height, since the text has no descenders; and that fits
// the strip's width whole.
QFont ScoreLabel::FittingFont(const QString& text) const {
    QFont font = this->font();
    font.setBold(true);
    for (int pixels = kLargestPixels; pixels > kSmallestPixels; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        if (metrics.tightBoundingRect(text).height() <= height() - 2 &&
            metrics.horizontalAdvance(text) <= width()) {
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
    // The letters in the middle of the strip, clear of the tiles above and the edge below.
    const int inkTop = std::max(1, (height() - ink.height()) / 2);
    painter.drawText(0, inkTop - ink.top(), text);
}

}  // namespace pipwick
