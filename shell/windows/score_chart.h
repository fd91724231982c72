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

// A line chart of every player's score against the hands, with the winning score marked across
// it. Drawn with QPainter in the widget's own font, so it reads at any scale.
class ScoreChart : public QWidget {
  public:
    explicit ScoreChart(QWidget* parent = nullptr);

    void SetLines(std::vector<ScoreLine> lines);
    const std::vector<ScoreLine>& Lines() const { return lines_; }
    // The top of the score axis: 250 or the next 50 above the highest score.
    int32_t TopScore() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<ScoreLine> lines_;
};

}  // namespace pipwick
