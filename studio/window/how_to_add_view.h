// The popover that explains how to put a widget on the desktop.
#pragma once

#include <QFrame>
#include <QPointer>

class QLabel;
class QPushButton;

namespace quillon {

class HowToAddView final : public QFrame {
    Q_OBJECT

public:
    explicit HowToAddView(QWidget* parent = nullptr);
    // Shows it beside the widget it belongs to, like a popover pointing at it.
    void showAt(QWidget* anchor);
    // While the desktop is asked for the widget: the button waits, and a line says so.
    void showPlacing();
    // What the desktop answered: where the widget went, or why it was not placed.
    void showAnswer(bool placed, const QString& text);
    bool isPlacing() const { return m_placing; }
    QString answer() const;
    // Hiding gives the keyboard back to the widget it opened from.
    void setVisible(bool visible) override;

signals:
    void closed();
    // The user asked for the selected display on the desktop.
    void placeOnDesktopRequested();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void fitHeight();
    void growUpwards();

    QPointer<QWidget> m_anchor;
    QPushButton* m_place = nullptr;
    QLabel* m_answer = nullptr;
    bool m_placing = false;
};

// "**bold**" in a step's text as rich text, the rest escaped.
QString boldMarkup(const QString& text);

} // namespace quillon
