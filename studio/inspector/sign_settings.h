// The sign's settings: the message it shows.
#pragma once

#include "studio/inspector/kind_settings.h"

#include <QCoreApplication>

namespace quillon {

class GrowingTextEdit;
class StudioModel;

class SignSettings final : public KindSettings {
    // The column's texts, which the catalogues hold under its name.
    Q_DECLARE_TR_FUNCTIONS(quillon::InspectorView)

public:
    explicit SignSettings(StudioModel& model, QWidget* parent = nullptr);

private:
    StudioModel& m_model;
    GrowingTextEdit* m_messageField = nullptr;
};

} // namespace quillon
