// The progress display's part of the settings column.
#include "studio/inspector/progress_settings.h"

#include "names/display_names.h"
#include "studio/controls/choice_accessibility.h"
#include "studio/controls/form_section.h"
#include "studio/model/studio_model.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QToolButton>

namespace quillon {

ProgressSettings::ProgressSettings(StudioModel& model, QWidget* parent)
    : KindSettings(parent)
    , m_model(model)
{
    FormSection* period = addSection(tr("Period", "what a progress display measures"));
    auto* segments = new QWidget;
    segments->setObjectName("period");
    auto* row = new QHBoxLayout(segments);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    auto* group = new QButtonGroup(segments);
    for (std::size_t index = 0; index < kAllProgressPeriods.size(); ++index)
        m_segments.push_back(new QToolButton(segments));
    // Before the buttons have texts: with a screen reader on, giving one makes its interface.
    makeRadioGroup(*segments, tr("Period", "what a progress display measures"), m_segments);
    for (std::size_t index = 0; index < kAllProgressPeriods.size(); ++index) {
        const ProgressPeriod value = kAllProgressPeriods[index];
        QAbstractButton* segment = m_segments[index];
        segment->setText(displayName(value));
        segment->setCheckable(true);
        segment->setAutoExclusive(true);
        segment->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        // In a narrow column the segments give up their padding before their text.
        segment->setMinimumWidth(segment->fontMetrics().horizontalAdvance(segment->text()) + 12);
        segment->setChecked(value == m_model.state().period);
        connect(segment, &QToolButton::toggled, this, [this, value](bool on) {
            if (on)
                m_model.setPeriod(value);
        });
        group->addButton(segment);
        row->addWidget(segment);
    }
    period->addRow(segments);

    connect(&m_model, &StudioModel::periodChanged, this, [this] {
        const auto index = static_cast<std::size_t>(m_model.state().period);
        if (index < m_segments.size())
            m_segments[index]->setChecked(true);
    });
}

} // namespace quillon
