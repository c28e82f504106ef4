// The studio's settings window: automatic update checks, the last check and "Check Now" (or, in a
// development build, a note that it does not update itself), and the version with the web site.
#pragma once

#include "updater/updater.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;

namespace quillon {

class SettingsView final : public QDialog {
    Q_OBJECT

public:
    static constexpr int kWidth = 420;

    // "Last checked" is told relative to `now`, the studio's time.
    using Clock = std::function<Instant()>;
    SettingsView(Updater& updater, Clock now, QWidget* parent = nullptr);

    QCheckBox* automaticChecksToggle() const { return m_automatic; }
    QLabel* lastCheckedLabel() const { return m_lastChecked; }
    QPushButton* checkNowButton() const { return m_checkNow; }
    QLabel* developmentNote() const { return m_developmentNote; }
    QLabel* versionLabel() const { return m_version; }
    QLabel* websiteLink() const { return m_website; }

protected:
    // The values are read again each time the window opens.
    void showEvent(QShowEvent* event) override;

private:
    void showValues();

    Updater& m_updater;
    Clock m_now;
    QCheckBox* m_automatic = nullptr;
    QLabel* m_lastChecked = nullptr;
    QPushButton* m_checkNow = nullptr;
    QLabel* m_developmentNote = nullptr;
    QLabel* m_version = nullptr;
    QLabel* m_website = nullptr;
};

} // namespace quillon
