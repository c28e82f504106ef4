// The popover that explains how to put a widget on the desktop.
#pragma once

#include <QFrame>

namespace quillon {

class HowToAddView final : public QFrame {
    Q_OBJECT

public:
    explicit HowToAddView(QWidget* parent = nullptr);
    // Shows it beside the widget it belongs to, like a popover pointing at it.
    void showAt(QWidget* anchor);

signals:
    void closed();
    // The user asked for the selected display on the desktop.
    void placeOnDesktopRequested();

protected:
    void hideEvent(QHideEvent* event) override;
};

// "**bold**" in a step's text as rich text, the rest escaped.
QString boldMarkup(const QString& text);

} // namespace quillon
