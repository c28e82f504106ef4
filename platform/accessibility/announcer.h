// Says a short message to screen readers without moving the keyboard ("Tokyo added"): a
// notification they read as it shows. Sighted users see the change itself, and nothing of this.
#pragma once

#include <QWidget>

namespace quillon {

class Announcer final : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);
    // The window's own, made the first time it is asked for.
    static Announcer& of(QWidget& window);

    // Nothing happens while no screen reader listens.
    void announce(const QString& message);
};

} // namespace quillon
