#pragma once

#include <QAccessible>
#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

namespace pipwick {

// A part of a widget that assistive technologies (AT-SPI on Linux) see as a child of it, though
// it is only pixels of the widget's picture: a tile of a hand, an open end of the line of play.
struct AccessibleItem {
    QString name;
    // In the widget's own pixels.
    QRect rect;
    QAccessible::Role role = QAccessible::ListItem;
    bool focused = false;
    bool selected = false;
};

// What a widget tells assistive technologies in place of what Qt would: its role, its name and
// description when given (else the names of its items), and its items after its child widgets. Each
// is asked for when needed, so it always tells the game as it is.
struct AccessibleView {
    QAccessible::Role role = QAccessible::Client;
    std::function<QString()> name;
    std::function<QString()> description;
    std::function<std::vector<AccessibleItem>()> items;
};

// Gives widget this view from now on, for as long as the widget lives.
void ProvideAccessibleView(QWidget& widget, AccessibleView view);

// Tells assistive technologies that the item at index (among the items) has the keyboard focus.
void AnnounceItemFocus(QWidget& widget, int index);
// Tells them that the item at index (among the items) was chosen.
void AnnounceItemSelected(QWidget& widget, int index);
// Tells them that the widget's items changed, when their names did.
void AnnounceItemsChanged(QWidget& widget);

}  // namespace pipwick
