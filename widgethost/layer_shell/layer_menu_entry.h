// One line of a menu the host draws itself: an action, a check, a heading over the lines below it,
// or a separator; only actions and checks can be chosen.
#pragma once

#include <QString>

#include <functional>

namespace quillon::widgethost {

struct LayerMenuEntry {
    enum class Kind { action, check, heading, separator };
    Kind kind = Kind::action;
    QString title;
    bool checked = false;
    std::function<void()> action;

    bool choosable() const { return kind == Kind::action || kind == Kind::check; }
};

} // namespace quillon::widgethost
