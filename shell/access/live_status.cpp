#include "shell/access/live_status.h"

#include <QAccessibleWidget>
#include <algorithm>
#include <unordered_map>

namespace pipwick {

namespace {

struct LiveStatus {
    QString name;
    std::function<QString()> news;
};

std::unordered_map<const QObject*, LiveStatus>& Statuses() {
    static std::unordered_map<const QObject*, LiveStatus> statuses;
    return statuses;
}

const LiveStatus* StatusOf(const QObject* object) {
    const auto found = Statuses().find(object);
    return found == Statuses().end() ? nullptr : &found->second;
}

// Read-only text without a caret or selection: the news as one line.
class LiveStatusInterface : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit LiveStatusInterface(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::StatusBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        const LiveStatus* status = StatusOf(object());
        if (status == nullptr) {
            return {};
        }
        return t == QAccessible::Name ? status->name : QString();
    }

    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override {
        const QString all = News();
        const int size = static_cast<int>(all.size());
        start = std::clamp(start, 0, size);
        end = end < 0 ? size : std::clamp(end, start, size);
        return all.mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(News().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }

  private:
    QString News() const {
        const LiveStatus* status = StatusOf(object());
        return status != nullptr && status->news ? status->news() : QString();
    }
};

QAccessibleInterface* CreateInterface(const QString&, QObject* object) {
    if (object == nullptr || !object->isWidgetType() || StatusOf(object) == nullptr) {
        return nullptr;
    }
    return new LiveStatusInterface(static_cast<QWidget*>(object));
}

}  // namespace

void ProvideLiveStatus(QWidget& widget, const QString& name, std::function<QString()> news) {
    static const bool installed = [] {
        QAccessible::installFactory(CreateInterface);
        return true;
    }();
    (void)installed;
    Statuses()[&widget] = {name, std::move(news)};
    // The widget's own name keeps Qt's label from sending a name change of its own.
    widget.setAccessibleName(name);
    QObject::connect(&widget, &QObject::destroyed,
                     [object = &widget] { Statuses().erase(object); });
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&widget);
    if (face != nullptr && dynamic_cast<LiveStatusInterface*>(face) == nullptr) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(face));
    }
}

void AnnounceNews(QWidget& widget, const QString& before, const QString& after) {
    if (!QAccessible::isActive()) {
        return;
    }
    if (!before.isEmpty()) {
        QAccessibleTextRemoveEvent removed(&widget, 0, before);
        QAccessible::updateAccessibility(&removed);
    }
    if (!after.isEmpty()) {
        QAccessibleTextInsertEvent inserted(&widget, 0, after);
        QAccessible::updateAccessibility(&inserted);
    }
}

}  // namespace pipwick
