#pragma once

#include <QString>
#include <QTextBrowser>
#include <cstdint>

namespace pipwick {

// The help page and its pictures are files of at most this size; anything else in their place (a
// FIFO, a device, a folder, a huge file) is never read.
constexpr std::uint64_t kMostHelpFileBytes = 16 * 1024 * 1024;
bool IsReadableHelpFile(const QString& path);

// The help page in a window of the program, for a desktop that has no browser to show it. The page
// is the same file the browser would open, its pictures beside it.
class HelpWindow : public QTextBrowser {
  public:
    explicit HelpWindow(QWidget* owner);

    // Loads the page and shows the window in front of the game's windows.
    void ShowPage(const QString& path);

  protected:
    // Escape closes the window, as it closes a dialog.
    void keyPressEvent(QKeyEvent* event) override;
    // Reads the page and its pictures only from regular files of a sane size.
    QVariant loadResource(int type, const QUrl& name) override;
};

}  // namespace pipwick
