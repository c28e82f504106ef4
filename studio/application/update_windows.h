// The windows of an update in the studio: the question of the second start, the new version with
// its notes, progress, "up to date", errors, and the offer to start the new version.
#pragma once

#include "updater/update_user_driver.h"

#include <QPointer>

#include <functional>

class QProgressDialog;
class QWidget;

namespace quillon {

class UpdateWindows final : public UpdateUserDriver {
public:
    // The windows open over `parent` while it is there.
    explicit UpdateWindows(QWidget* parent = nullptr)
        : m_parent(parent)
    {
    }
    ~UpdateWindows() override;

    void setParent(QWidget* parent) { m_parent = parent; }

    bool askToCheckAutomatically() override;
    UpdateChoice showUpdateFound(
        const AppcastItem& update, const std::string& currentVersion, bool installsInPlace) override;
    void showUpToDate(const std::string& currentVersion) override;
    void setCancelAction(std::function<void()> cancel) override { m_cancel = std::move(cancel); }
    void showDownloadProgress(std::uint64_t received, std::uint64_t total) override;
    void showInstallProgress(std::uint64_t done, std::uint64_t total) override;
    void closeProgress() override;
    bool offerRelaunch(const AppcastItem& update) override;
    void showError(const std::string& message) override;
    void showStartFailed(const std::string& build) override;
    void openDownloadPage(const std::string& url) override;

private:
    void showProgress(const QString& label, std::uint64_t done, std::uint64_t total);

    QPointer<QWidget> m_parent;
    std::function<void()> m_cancel;
    QPointer<QProgressDialog> m_progress;
};

// The alert of a build that does not update itself: development builds, which have no feed.
void showDevelopmentBuildNotice(QWidget* parent);

} // namespace quillon
