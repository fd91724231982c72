#pragma once

#include <QTextBrowser>

namespace pipwick {

// The help page in a window of the program, for a desktop that has no browser to show it. The page
// is the same file the browser would open, its pictures beside it.
class HelpWindow : public QTextBrowser {
  public:
    explicit HelpWindow(QWidget* owner);

    // Loads the page and shows the window in front of the game's windows.
    void ShowPage(const QString& path);
};

}  // namespace pipwick
