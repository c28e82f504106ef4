// A small panel that opens from a button and closes on Escape or a click elsewhere, like a popover:
// under the button when there is room on its screen, above it otherwise.
#pragma once

#include <QFrame>
#include <QPointer>

namespace quillon {

class Popover final : public QFrame {
    Q_OBJECT

public:
    explicit Popover(QWidget* parent = nullptr);

    // Takes the content, replacing (and deleting) any content before it.
    void setContent(QWidget* content);
    QWidget* content() const { return m_content; }
    // Opens anchored to the widget's bounds; focus goes to the content's focus proxy or first field.
    void showAt(QWidget* anchor);
    // Hiding gives the keyboard back to the widget it opened from.
    void setVisible(bool visible) override;

signals:
    void closed();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    QPointer<QWidget> m_content;
    QPointer<QWidget> m_anchor;
};

} // namespace quillon
