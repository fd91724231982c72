#include "shell/access/shown_windows.h"

#include <QAccessibleObject>
#include <QCoreApplication>
#include <QWidget>
#include <QWindow>
#include <vector>

namespace pipwick {

namespace {

bool Shown(const QAccessibleInterface* face) {
    const QObject* object = face != nullptr ? face->object() : nullptr;
    if (const auto* widget = qobject_cast<const QWidget*>(object)) {
        return widget->isVisible();
    }
    if (const auto* window = qobject_cast<const QWindow*>(object)) {
        return window->isVisible();
    }
    return object != nullptr;
}

class ApplicationOfShownWindows : public QAccessibleApplication {
  public:
    int childCount() const override { return static_cast<int>(ShownChildren().size()); }
    QAccessibleInterface* child(int index) const override {
        const std::vector<QAccessibleInterface*> shown = ShownChildren();
        return index >= 0 && index < static_cast<int>(shown.size())
                   ? shown[static_cast<size_t>(index)]
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const std::vector<QAccessibleInterface*> shown = ShownChildren();
        for (size_t i = 0; i < shown.size(); ++i) {
            if (shown[i] == child) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }

  private:
    std::vector<QAccessibleInterface*> ShownChildren() const {
        std::vector<QAccessibleInterface*> shown;
        const int all = QAccessibleApplication::childCount();
        for (int i = 0; i < all; ++i) {
            QAccessibleInterface* face = QAccessibleApplication::child(i);
            if (Shown(face)) {
                shown.push_back(face);
            }
        }
        return shown;
    }
};

QAccessibleInterface* CreateInterface(const QString&, QObject* object) {
    return object != nullptr && object == QCoreApplication::instance()
               ? new ApplicationOfShownWindows
               : nullptr;
}

}  // namespace

void ShowOnlyShownWindowsToAssistiveTechnologies() {
    static const bool installed = [] {
        QAccessible::installFactory(CreateInterface);
        return true;
    }();
    (void)installed;
    // An interface Qt made for the application before gives way to this one.
    QAccessibleInterface* face =
        QAccessible::queryAccessibleInterface(QCoreApplication::instance());
    if (face != nullptr && dynamic_cast<ApplicationOfShownWindows*>(face) == nullptr) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(face));
    }
}

}  // namespace pipwick
