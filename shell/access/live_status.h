#pragma once

#include <QString>
#include <QWidget>
#include <functional>

namespace pipwick {

// The status line as assistive technologies see it: a status bar named name whose text is the
// latest news. Qt's bridge to AT-SPI (6.4) sends the text of an insertion with its event but
// only the object of a name change, so a screen reader that asks for the name once the event
// arrives may already find the next news there; the news therefore goes out as text.
void ProvideLiveStatus(QWidget& widget, const QString& name, std::function<QString()> news);

// Tells assistive technologies that the status line's news went from before to after: one
// removal of the old text and one insertion of the new, which carries the news.
void AnnounceNews(QWidget& widget, const QString& before, const QString& after);

}  // namespace pipwick
