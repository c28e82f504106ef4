// The windows of an update, apart from the machinery: the studio shows them as dialogs, tests
// answer them from a script. Each call returns once the user has answered.
#pragma once

#include "updater/appcast.h"

#include <cstdint>
#include <functional>
#include <string>

namespace quillon {

enum class UpdateChoice { install, remindLater, skip };

class UpdateUserDriver {
public:
    virtual ~UpdateUserDriver() = default;

    // The question of the second start: may the program look for updates by itself?
    virtual bool askToCheckAutomatically() = 0;
    // A newer version: its notes, and "Install Update", "Remind Me Later" or "Skip This Version".
    // `currentVersion` is the running one as people know it (its short version). `installsInPlace`
    // is false where the program cannot replace itself; installing then opens the download page.
    virtual UpdateChoice showUpdateFound(
        const AppcastItem& update, const std::string& currentVersion, bool installsInPlace)
        = 0;
    // A check the user asked for found nothing newer.
    virtual void showUpToDate(const std::string& currentVersion) = 0;
    // What the progress window's Cancel does, from the download to the end of the install. Set
    // before the progress is first shown.
    virtual void setCancelAction(std::function<void()> cancel) = 0;
    virtual void showDownloadProgress(std::uint64_t received, std::uint64_t total) = 0;
    // Checking and unpacking the download, which goes on while the windows stay responsive.
    virtual void showInstallProgress(std::uint64_t done, std::uint64_t total) = 0;
    // The progress window goes without an outcome to show: the user cancelled.
    virtual void closeProgress() = 0;
    // Installed; true to start the new version now.
    virtual bool offerRelaunch(const AppcastItem& update) = 0;
    virtual void showError(const std::string& message) = 0;
    // The build updated to could not start, and the one before it runs again.
    virtual void showStartFailed(const std::string& build) = 0;
    virtual void openDownloadPage(const std::string& url) = 0;
};

} // namespace quillon
