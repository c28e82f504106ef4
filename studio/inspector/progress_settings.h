// The progress display's settings: the period it measures, as a row of segments.
#pragma once

#include "studio/inspector/kind_settings.h"

#include <QCoreApplication>

#include <vector>

class QAbstractButton;

namespace quillon {

class StudioModel;

class ProgressSettings final : public KindSettings {
    // The column's texts, which the catalogues hold under its name.
    Q_DECLARE_TR_FUNCTIONS(quillon::InspectorView)

public:
    explicit ProgressSettings(StudioModel& model, QWidget* parent = nullptr);

private:
    StudioModel& m_model;
    std::vector<QAbstractButton*> m_segments; // one per period, in the periods' order
};

} // namespace quillon
