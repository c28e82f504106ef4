// A ring around a widget while it has the keyboard focus, for widgets whose own drawing shows none
// (a list whose rows are widgets of their own covers the style's focus rectangle).
#pragma once

#include <QPointer>
#include <QWidget>

namespace quillon {

class FocusRing final : public QWidget {
    Q_OBJECT

public:
    // Draws on `target`'s parent, along its edge; goes with the target. The target must have its
    // parent already.
    explicit FocusRing(QWidget& target);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void follow();

    QPointer<QWidget> m_target;
};

} // namespace quillon
