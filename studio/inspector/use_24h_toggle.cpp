// The 24-hour time switch and its section.
#include "studio/inspector/use_24h_toggle.h"

#include "studio/controls/form_section.h"
#include "studio/inspector/kind_settings.h"
#include "studio/model/studio_model.h"

#include <QCheckBox>
#include <QCoreApplication>

namespace quillon {

void addUse24hToggle(KindSettings& part, StudioModel& model)
{
    FormSection* section = part.addSection();
    // In the settings column's translation context, where the catalogues hold its text.
    auto* toggle = new QCheckBox(QCoreApplication::translate("quillon::InspectorView", "24-hour time"));
    toggle->setObjectName("use24h");
    toggle->setLayoutDirection(Qt::RightToLeft); // the switch at the trailing edge, as in a form
    toggle->setChecked(model.state().use24h);
    QObject::connect(toggle, &QCheckBox::toggled, toggle, [&model](bool on) { model.setUse24h(on); });
    QObject::connect(&model, &StudioModel::use24hChanged, toggle,
        [toggle, &model] { toggle->setChecked(model.state().use24h); });
    section->addRow(toggle);
}

} // namespace quillon
