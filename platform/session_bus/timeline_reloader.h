// Asking the desktop widget host to reload every widget of this product.
#pragma once

namespace quillon {

class TimelineReloader {
public:
    virtual ~TimelineReloader() = default;
    // Fire and forget: returns at once, reports nothing, whether anyone listens or not.
    virtual void reloadAllTimelines() = 0;
};

} // namespace quillon
