// Remembers a window's position and size under a name between runs: restored once, on the first
// turn of the event loop after the window exists, then saved on every move and resize. A saved
// frame that lies on no screen any more (a monitor unplugged) comes back on the nearest one, at
// least at the window's minimum size.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QSettings;
class QWidget;

namespace quillon {

class WindowFrameAutosave final : public QObject {
    Q_OBJECT

public:
    // The frames are kept in `settings` under "WindowFrames/<name>"; both must outlive this object,
    // which the window owns as its child.
    WindowFrameAutosave(QWidget& window, QString name, QSettings& settings);

    static QString settingsKey(const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void restoreOnce();
    void save();

    QPointer<QWidget> m_window;
    QString m_name;
    QSettings& m_settings;
};

} // namespace quillon
