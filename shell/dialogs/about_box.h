#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace pipwick {

// The About box: the program's icon, its name and version, the maker's notice and OK. It is laid
// out in dialog units (a quarter of the font's average character width across, an eighth of its
// height down), so it keeps its proportions with any font.
class AboutBox : public QDialog {
  public:
    explicit AboutBox(QWidget* owner);

    const QLabel& Icon() const { return *icon_; }
    const QLabel& Version() const { return *version_; }
    const QLabel& Notice() const { return *notice_; }
    QPushButton& Ok() { return *ok_; }

  private:
    QRect Units(int x, int y, int width, int height) const;

    QLabel* icon_;
    QLabel* version_;
    QLabel* notice_;
    QPushButton* ok_;
};

}  // namespace pipwick
