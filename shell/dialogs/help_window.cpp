#include "shell/dialogs/help_window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QUrl>

#include "texts/texts.h"

namespace pipwick {

namespace {

// Room for the page's text column and its pictures, but never more than most of the screen.
QSize WindowSize() {
    QSize size(760, 640);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        size = size.boundedTo(screen->availableSize() * 9 / 10);
    }
    return size;
}

}  // namespace

// A window of its own, above the table like the program's other windows; a link leaving the page
// goes to the desktop.
HelpWindow::HelpWindow(QWidget* owner) : QTextBrowser(owner) {
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setOpenExternalLinks(true);
    resize(WindowSize());
}

void HelpWindow::ShowPage(const QString& path) {
    setSource(QUrl::fromLocalFile(path));
    setWindowTitle(documentTitle().isEmpty() ? QString::fromLatin1(text::kAppTitle)
                                             : documentTitle());
    show();
    raise();
    activateWindow();
}

}  // namespace pipwick
