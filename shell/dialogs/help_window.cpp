#include "shell/dialogs/help_window.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QUrl>

#include "model/regular_file.h"
#include "shell/windows/screen_room.h"
#include "texts/texts.h"

namespace pipwick {

bool IsReadableHelpFile(const QString& path) {
    return RegularFile::Open(path.toStdU16String(), kMostHelpFileBytes).IsOpen();
}

namespace {

// Room for the page's text column and its pictures, but never more than most of the screen.
QSize WindowSize() {
    QSize size(760, 540);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        size = size.boundedTo(screen->availableSize() * 9 / 10);
    }
    return BoundedByScreen(size);
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

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QTextBrowser::keyPressEvent(event);
}

QVariant HelpWindow::loadResource(int type, const QUrl& name) {
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (!url.isLocalFile()) {
        return QTextBrowser::loadResource(type, name);
    }
    const FileContent file =
        ReadRegularFile(url.toLocalFile().toStdU16String(), kMostHelpFileBytes);
    // An empty, not an invalid, answer: on an invalid one the document would open the file itself.
    if (file.refusal) {
        return QByteArray();
    }
    return QByteArray(reinterpret_cast<const char*>(file.bytes.data()),
                      static_cast<qsizetype>(file.bytes.size()));
}

}  // namespace pipwick
