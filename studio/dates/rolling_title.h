// The month's name and year over the month calendar, which rolls like the digits of a counter when
// the month changes.
#pragma once

#include <QWidget>

namespace quillon {

// The month's name and year: a new month rolls in from below when it is later and from above when
// it is earlier, as the digits of a counter turn.
class RollingTitle final : public QWidget {
    Q_OBJECT

public:
    explicit RollingTitle(QWidget* parent = nullptr);

    QString text() const { return m_text; }
    // `direction` 1 rolls forward, -1 back, 0 changes at once.
    void setText(const QString& text, int direction);
    // How far the roll has come, from 0 to 1 (a spring may overshoot a little).
    void setProgress(double progress);
    QSize sizeHint() const override;
    // The size the title would want showing `text`.
    QSize sizeHintFor(const QString& text) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    QString m_previous;
    int m_direction = 0;
    double m_progress = 1;
};

} // namespace quillon
