// The reload request as a D-Bus signal that every widget host of this product listens for.
#pragma once

#include "platform/session_bus/timeline_reloader.h"

namespace quillon {

// Object path, interface and member of the one signal, which carries no arguments.
inline constexpr const char* kTimelinesObjectPath = "/com/quillon/Lampwork";
inline constexpr const char* kTimelinesInterface = "com.quillon.Lampwork.Timelines";
inline constexpr const char* kReloadAllTimelinesSignal = "ReloadAllTimelines";

class DBusTimelineReloader final : public TimelineReloader {
public:
    void reloadAllTimelines() override;
};

} // namespace quillon
