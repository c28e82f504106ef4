// The one folder every Quillon program keeps its settings in, and the move of what earlier versions
// kept elsewhere into it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

inline constexpr std::string_view kSettingsFolderName = "quillon";

// <config home>/quillon: the settings record, the studio's own settings (Quillon.conf, which Qt's
// QSettings finds there by the organization name "quillon"), the placed widgets and the updater's
// state.
std::filesystem::path settingsFolder();

// The folders under the config home that earlier versions kept settings in.
const std::vector<std::string_view>& earlierSettingsFolderNames();

// Moves every file of the earlier folders under `configHome` into `folder`, byte for byte and under
// its name (a link as a link), never over a file already there, and removes each earlier folder that
// is then empty. Safe when two programs do it at once. Returns one line for the log per move or
// failure: nothing when there was nothing to move.
std::vector<std::string> moveEarlierSettings(
    const std::filesystem::path& configHome, const std::filesystem::path& folder);

// The above for this user's folders, with its lines in the log. Every program that reads or writes
// settings calls it before it does.
void moveEarlierSettings();

} // namespace quillon
