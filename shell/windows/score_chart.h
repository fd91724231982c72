#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <vector>

namespace pipwick {

// One player's line on the chart: his score at the start and after every hand.
struct ScoreLine {
    QString name;
    QColor colour;
    std::vector<int32_t> scores;
};

// A line chart of every player's (or pair's) score against the hands, with the game's target
// marked across it. Drawn with QPainter in the widget's own font, so it reads at any scale.
class ScoreChart : public QWidget {
  public:
    explicit ScoreChart(QWidget* parent = nullptr);

    void SetLines(std::vector<ScoreLine> lines, int32_t target);
    const std::vector<ScoreLine>& Lines() const { return lines_; }
    // The top of the score axis: the target or the next 50 above the highest score.
    int32_t TopScore() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<ScoreLine> lines_;
    int32_t target_ = 0;
};

}  // namespace pipwick
