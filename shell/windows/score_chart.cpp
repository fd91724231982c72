#include "shell/windows/score_chart.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace pipwick {

namespace {

constexpr int32_t kScoreStep = 50;

size_t HandCount(const std::vector<ScoreLine>& lines) {
    size_t points = 1;
    for (const ScoreLine& line : lines) {
        points = std::max(points, line.scores.size());
    }
    return points - 1;
}

}  // namespace

ScoreChart::ScoreChart(QWidget* parent) : QWidget(parent) {
    setMinimumSize(360, 200);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void ScoreChart::SetLines(std::vector<ScoreLine> lines, int32_t target) {
    lines_ = std::move(lines);
    target_ = target;
    update();
}

int32_t ScoreChart::TopScore() const {
    int32_t highest = target_;
    for (const ScoreLine& line : lines_) {
        for (int32_t score : line.scores) {
            highest = std::max(highest, score);
        }
    }
    return (highest + kScoreStep - 1) / kScoreStep * kScoreStep;
}

// The plot sits inside margins that leave room for the score labels at the left, the hand
// numbers below and the names above.
void ScoreChart::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics = fontMetrics();
    const int lineHeight = metrics.height();
    const int left = metrics.horizontalAdvance(QStringLiteral("0000")) + 8;
    const int upper = lineHeight * 2;
    const QRect area(left, upper, std::max(1, width() - 12 - left),
                     std::max(1, height() - lineHeight - 8 - upper));
    const int32_t top = TopScore();
    const size_t hands = std::max<size_t>(1, HandCount(lines_));
    const auto x = [&](size_t hand) {
        return area.left() + static_cast<double>(area.width()) * hand / hands;
    };
    const auto y = [&](int32_t score) {
        return area.bottom() - static_cast<double>(area.height()) * score / top;
    };
    const QColor text = palette().color(QPalette::Text);
    const QColor grid = palette().color(QPalette::Mid);

    for (int32_t score = 0; score <= top; score += kScoreStep) {
        painter.setPen(grid);
        painter.drawLine(QPointF(area.left(), y(score)), QPointF(area.right(), y(score)));
        painter.setPen(text);
        painter.drawText(QRectF(0, y(score) - lineHeight / 2.0, area.left() - 6, lineHeight),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(score));
    }
    const size_t labelEvery = std::max<size_t>(
        1,
        hands * metrics.horizontalAdvance(QStringLiteral("000")) / std::max(1, area.width()) + 1);
    for (size_t hand = 0; hand <= hands; hand += labelEvery) {
        painter.drawText(QRectF(x(hand) - 20, area.bottom() + 4, 40, lineHeight),
                         Qt::AlignHCenter | Qt::AlignTop, QString::number(hand));
    }
    painter.setPen(QPen(text, 1.5, Qt::DashLine));
    painter.drawLine(QPointF(area.left(), y(target_)), QPointF(area.right(), y(target_)));

    int legendX = area.left();
    for (const ScoreLine& line : lines_) {
        QPainterPath path;
        for (size_t hand = 0; hand < line.scores.size(); ++hand) {
            const QPointF point(x(hand), y(line.scores[hand]));
            hand == 0 ? path.moveTo(point) : path.lineTo(point);
        }
        painter.setPen(QPen(line.colour, 2.5));
        painter.drawPath(path);
        painter.setBrush(line.colour);
        for (size_t hand = 0; hand < line.scores.size(); ++hand) {
            painter.drawEllipse(QPointF(x(hand), y(line.scores[hand])), 3, 3);
        }
        painter.setBrush(Qt::NoBrush);
        painter.fillRect(QRect(legendX, lineHeight / 2 - 2, 14, 6), line.colour);
        painter.setPen(text);
        painter.drawText(QPoint(legendX + 18, lineHeight / 2 + metrics.ascent() / 2 - 1),
                         line.name);
        legendX += 18 + metrics.horizontalAdvance(line.name) + 16;
    }
}

}  // namespace pipwick
