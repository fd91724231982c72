#pragma once

#include <QUrl>
#include <functional>

namespace pipwick {

// Opens url with the desktop's opener (xdg-open). False when the desktop has none or it cannot be
// started; failed is called later when the opener ends without having shown the page (no
// browser on the desktop).
bool OpenWithDesktop(const QUrl& url, std::function<void()> failed);

}  // namespace pipwick
