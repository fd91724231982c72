// The program's own accessibility interfaces. Qt asks a factory for the interface of each widget
// the first time an assistive technology (or a test) looks at it, and keeps it until the widget
// is destroyed; the items of a widget are interfaces without an object of their own, registered
// with Qt by the widget's interface and deleted with it.
#include "shell/access/accessible_views.h"

#include <QAccessibleWidget>
#include <QStringList>
#include <algorithm>
#include <unordered_map>

#include "texts/spoken_texts.h"

namespace pipwick {

namespace {

std::unordered_map<const QObject*, AccessibleView>& Views() {
    static std::unordered_map<const QObject*, AccessibleView> views;
    return views;
}

// The item names last told to assistive technologies, by widget.
std::unordered_map<const QObject*, QStringList>& ToldItems() {
    static std::unordered_map<const QObject*, QStringList> told;
    return told;
}

const AccessibleView* ViewOf(const QObject* object) {
    const auto found = Views().find(object);
    return found == Views().end() ? nullptr : &found->second;
}

QStringList ItemNames(const AccessibleView& view) {
    QStringList names;
    for (const AccessibleItem& item : view.items()) {
        names << item.name;
    }
    return names;
}

class WidgetWithItems;

// One item of a widget, by its place among the widget's items now.
class ItemInterface : public QAccessibleInterface {
  public:
    ItemInterface(WidgetWithItems& owner, int index) : owner_(owner), index_(index) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

  private:
    AccessibleItem Item() const;

    WidgetWithItems& owner_;
    int index_;
};

class WidgetWithItems : public QAccessibleWidget {
  public:
    explicit WidgetWithItems(QWidget* widget) : QAccessibleWidget(widget, ViewOf(widget)->role) {}
    ~WidgetWithItems() override {
        for (const QAccessible::Id id : itemIds_) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }

    std::vector<AccessibleItem> Items() const {
        const AccessibleView* view = ViewOf(object());
        return view != nullptr && view->items ? view->items() : std::vector<AccessibleItem>{};
    }
    int WidgetChildren() const { return QAccessibleWidget::childCount(); }

    QString text(QAccessible::Text t) const override {
        const AccessibleView* view = ViewOf(object());
        if (view != nullptr && t == QAccessible::Name && view->name) {
            return view->name();
        }
        if (view != nullptr && t == QAccessible::Description && view->description) {
            return view->description();
        }
        if (view != nullptr && t == QAccessible::Description && view->items) {
            return ItemNames(*view).join(QString::fromLatin1(text::kItemSeparator));
        }
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return WidgetChildren() + static_cast<int>(Items().size()); }
    QAccessibleInterface* child(int index) const override {
        const int widgets = WidgetChildren();
        if (index < widgets) {
            return QAccessibleWidget::child(index);
        }
        const int item = index - widgets;
        if (item >= static_cast<int>(Items().size())) {
            return nullptr;
        }
        while (static_cast<int>(items_.size()) <= item) {
            auto* created = new ItemInterface(const_cast<WidgetWithItems&>(*this),
                                              static_cast<int>(items_.size()));
            items_.push_back(created);
            itemIds_.push_back(QAccessible::registerAccessibleInterface(created));
        }
        return items_[static_cast<size_t>(item)];
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (size_t i = 0; i < items_.size(); ++i) {
            if (items_[i] == child) {
                return WidgetChildren() + static_cast<int>(i);
            }
        }
        return QAccessibleWidget::indexOfChild(child);
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const std::vector<AccessibleItem> items = Items();
        for (size_t i = 0; i < items.size(); ++i) {
            const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
            if (items[i].rect.contains(local)) {
                return child(WidgetChildren() + static_cast<int>(i));
            }
        }
        return QAccessibleWidget::childAt(x, y);
    }
    QAccessibleInterface* focusChild() const override {
        const std::vector<AccessibleItem> items = Items();
        for (size_t i = 0; i < items.size(); ++i) {
            if (items[i].focused) {
                return child(WidgetChildren() + static_cast<int>(i));
            }
        }
        return QAccessibleWidget::focusChild();
    }
    QWidget* Widget() const { return widget(); }

  private:
    mutable std::vector<ItemInterface*> items_;
    mutable std::vector<QAccessible::Id> itemIds_;
};

AccessibleItem ItemInterface::Item() const {
    const std::vector<AccessibleItem> items = owner_.Items();
    return index_ < static_cast<int>(items.size()) ? items[static_cast<size_t>(index_)]
                                                   : AccessibleItem{};
}

bool ItemInterface::isValid() const {
    return index_ < static_cast<int>(owner_.Items().size());
}

QWindow* ItemInterface::window() const {
    return owner_.window();
}

QAccessibleInterface* ItemInterface::parent() const {
    return &owner_;
}

QString ItemInterface::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? Item().name : QString();
}

QRect ItemInterface::rect() const {
    const QRect local = Item().rect;
    return {owner_.Widget()->mapToGlobal(local.topLeft()), local.size()};
}

QAccessible::Role ItemInterface::role() const {
    return Item().role;
}

QAccessible::State ItemInterface::state() const {
    const AccessibleItem item = Item();
    QAccessible::State state;
    state.invisible = !isValid();
    state.focusable = item.role == QAccessible::ListItem;
    state.focused = item.focused;
    state.selectable = true;
    state.selected = item.selected;
    return state;
}

QAccessibleInterface* CreateInterface(const QString&, QObject* object) {
    if (object == nullptr || !object->isWidgetType() || ViewOf(object) == nullptr) {
        return nullptr;
    }
    return new WidgetWithItems(static_cast<QWidget*>(object));
}

void SendItemEvent(QWidget& widget, QAccessible::Event type, int index) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&widget);
    auto* own = dynamic_cast<WidgetWithItems*>(face);
    if (own == nullptr || index < 0) {
        return;
    }
    QAccessibleEvent event(own->child(own->WidgetChildren() + index), type);
    QAccessible::updateAccessibility(&event);
}

}  // namespace

void ProvideAccessibleView(QWidget& widget, AccessibleView view) {
    static const bool installed = [] {
        QAccessible::installFactory(CreateInterface);
        return true;
    }();
    (void)installed;
    Views()[&widget] = std::move(view);
    QObject::connect(&widget, &QObject::destroyed, [object = &widget] {
        Views().erase(object);
        ToldItems().erase(object);
    });
    // An interface Qt made for the widget before it had its view gives way to the view's.
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&widget);
    if (face != nullptr && dynamic_cast<WidgetWithItems*>(face) == nullptr) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(face));
    }
}

void AnnounceItemFocus(QWidget& widget, int index) {
    if (QAccessible::isActive()) {
        SendItemEvent(widget, QAccessible::Focus, index);
    }
}

void AnnounceItemSelected(QWidget& widget, int index) {
    if (QAccessible::isActive()) {
        SendItemEvent(widget, QAccessible::Selection, index);
    }
}

// The whole list is said to have changed, once per change of its items, as a change of its
// description, which names them all: Qt 6.4 sends a reordering of children as one signal per
// child with a signature that libatspi refuses, and no signal for a reset list.
void AnnounceItemsChanged(QWidget& widget) {
    const AccessibleView* view = ViewOf(&widget);
    if (!QAccessible::isActive() || view == nullptr || !view->items) {
        return;
    }
    const QStringList names = ItemNames(*view);
    QStringList& told = ToldItems()[&widget];
    if (names == told) {
        return;
    }
    // An item keeps its place and its object, so a client that kept its old name hears it
    // renamed; the items past the old end are new objects.
    for (qsizetype i = 0; i < std::min(names.size(), told.size()); ++i) {
        if (names[i] != told[i]) {
            SendItemEvent(widget, QAccessible::NameChanged, static_cast<int>(i));
        }
    }
    told = names;
    QAccessibleEvent event(&widget, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

}  // namespace pipwick
