// What a screen reader and a keyboard user find in a window, checked in the process through the
// same accessible interfaces the AT-SPI bridge reads: controls without a name or with a role that
// says nothing, and a Tab order that goes against the reading order.
#pragma once

#include <QAccessible>
#include <QApplication>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <tuple>

namespace quillon::testing {

inline QString describeAccessible(QAccessibleInterface& node)
{
    QAccessibleInterface* parent = node.parent();
    return QString("[%1] '%2' in [%3] '%4'")
        .arg(qAccessibleRoleString(node.role()), node.text(QAccessible::Name),
            parent ? qAccessibleRoleString(parent->role()) : QString("none"),
            parent ? parent->text(QAccessible::Name) : QString());
}

// Every shown control that can take the keyboard, with an empty name or a role a screen reader
// can only call a panel or a filler.
inline QStringList unnamedControls(QWidget& window)
{
    QStringList faults;
    const std::function<void(QAccessibleInterface*)> visit = [&](QAccessibleInterface* node) {
        if (!node || !node->isValid() || node->state().invisible)
            return;
        if (node->state().focusable) {
            static const QList<QAccessible::Role> vague {QAccessible::NoRole, QAccessible::Client,
                QAccessible::Pane, QAccessible::Grouping, QAccessible::Whitespace, QAccessible::Border};
            if (node->text(QAccessible::Name).trimmed().isEmpty() || vague.contains(node->role()))
                faults << describeAccessible(*node);
        }
        for (int index = 0; index < node->childCount(); ++index)
            visit(node->child(index));
    };
    visit(QAccessible::queryAccessibleInterface(&window));
    return faults;
}

inline QString describeWidget(const QWidget* widget)
{
    if (!widget)
        return "nothing";
    const QString name = widget->accessibleName().isEmpty() ? widget->objectName() : widget->accessibleName();
    return QString("%1 '%2'").arg(widget->metaObject()->className(), name);
}

// The round of widgets Tab visits, pressed from `first` until the focus comes back to one it
// visited before (at most `limit` times). Tab may stay in a widget for a while, as it goes through
// a time field's parts or the links of a text; a widget it never leaves ends the list as null.
inline QList<QWidget*> walkTabOrder(QWidget& first, int limit = 100)
{
    first.setFocus(Qt::TabFocusReason);
    QList<QWidget*> visited {QApplication::focusWidget()};
    for (int step = 0; step < limit && visited.back(); ++step) {
        QTest::keyClick(visited.back(), Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (now == visited.back())
            continue;
        if (const qsizetype seen = visited.indexOf(now); seen >= 0)
            return visited.mid(seen);
        visited << now;
    }
    if (visited.size() > 1 && visited.back()) // a lone stop keeps the focus, as it should
        visited << nullptr;
    return visited;
}

// Where Tab goes against the reading order of the window: to a control above the last one in the
// same column, or to its left in the same row; with `panes` (the window's side-by-side panes in
// reading order), also back to an earlier pane. The walk is taken from the stop that comes first in
// reading order, so that only the step back to the start wraps round.
inline QStringList tabOrderFaults(QWidget& window, QList<QWidget*> stops, const QList<QWidget*>& panes = {})
{
    QStringList faults;
    for (qsizetype index = 0; index < stops.size(); ++index) {
        if (!stops[index]) {
            faults << QString("Tab does not go on from %1").arg(describeWidget(stops.value(index - 1)));
            return faults;
        }
        if (stops[index]->window() != &window) {
            faults << QString("Tab left the window for %1").arg(describeWidget(stops[index]));
            return faults;
        }
    }
    const auto bounds
        = [&](const QWidget* widget) { return QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size()); };
    const auto paneOf = [&](const QWidget* widget) {
        for (qsizetype index = 0; index < panes.size(); ++index) {
            if (panes[index] == widget || panes[index]->isAncestorOf(widget))
                return index;
        }
        return qsizetype(-1);
    };
    const auto readingPlace = [&](const QWidget* widget) {
        return std::tuple(paneOf(widget), bounds(widget).top(), bounds(widget).left());
    };
    const auto first = std::min_element(stops.begin(), stops.end(),
        [&](QWidget* one, QWidget* other) { return readingPlace(one) < readingPlace(other); });
    std::rotate(stops.begin(), first, stops.end());
    for (qsizetype index = 1; index < stops.size(); ++index) {
        const QRect from = bounds(stops[index - 1]);
        const QRect to = bounds(stops[index]);
        const bool sameColumn = from.left() <= to.right() && to.left() <= from.right();
        const bool sameRow = from.top() <= to.bottom() && to.top() <= from.bottom();
        if ((sameColumn && to.bottom() < from.top()) || (sameRow && to.right() < from.left())
            || paneOf(stops[index]) < paneOf(stops[index - 1])) {
            faults << QString("Tab goes back from %1 at %2,%3 to %4 at %5,%6")
                          .arg(describeWidget(stops[index - 1]))
                          .arg(from.left())
                          .arg(from.top())
                          .arg(describeWidget(stops[index]))
                          .arg(to.left())
                          .arg(to.top());
        }
    }
    return faults;
}

// Both checks for a window that is shown and active, Tab pressed from where its focus is.
inline QStringList accessibilityFaults(QWidget& window)
{
    QStringList faults = unnamedControls(window);
    // A popup takes the keyboard without becoming the active window.
    window.activateWindow();
    // Not isActiveWindow(): a dialog counts as active while its parent is.
    if (window.windowType() != Qt::Popup
        && !QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }, 20000)) {
        faults << "the window did not become active";
        return faults;
    }
    QWidget* first = window.focusWidget();
    for (QWidget* next = window.nextInFocusChain(); (!first || first->window() != &window) && next != &window;
         next = next->nextInFocusChain()) {
        if (next->window() == &window && next->isVisible() && next->isEnabled()
            && (next->focusPolicy() & Qt::TabFocus))
            first = next;
    }
    if (first && first->window() == &window) // a window may have nothing to press, as a progress window
        faults << tabOrderFaults(window, walkTabOrder(*first));
    return faults;
}

} // namespace quillon::testing
