#pragma once

#include <QFont>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <optional>

#include "model/geometry.h"

namespace pipwick {

// The boxes a window manager draws beside a window's caption, which take room from it.
enum class CaptionBoxes { kClose, kMinimiseMaximiseClose };

// Whether a window manager may cut a caption of captionWidth pixels (in its title font) short in
// a window of outerWidth pixels, frame included, with these boxes beside it.
bool CaptionMayBeCut(int32_t captionWidth, int32_t outerWidth, CaptionBoxes boxes);
// The width of a caption in the title font that window managers use by default.
int32_t CaptionWidth(const QString& caption);

// A player's score written under his tiles, for as long as his window is too narrow for the
// window manager to show the whole caption, where the score is otherwise the only thing to read.
// It covers no tile and changes no size: it lives in the strip the slots leave free.
class ScoreLabel : public QWidget {
  public:
    ScoreLabel(QWidget& surface, CaptionBoxes boxes);

    void SetCaption(const QString& caption);
    void SetScore(int32_t score);
    // The game under way, said after the score; empty for none.
    void SetGame(const QString& game);
    // Fills the strip of the surface under a slot's tile, to the surface's right and bottom
    // edges; also where the window's width is looked at again.
    void FitUnder(const Rect& slot);
    // What the label says, whether it is shown or not.
    QString Text() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void Refresh();
    QFont FittingFont(const QString& text) const;

    CaptionBoxes boxes_;
    QString caption_;
    std::optional<int32_t> score_;
    QString game_;
};

}  // namespace pipwick
