// The column under the header: its layout of sections, one under the other.
#include "studio/inspector/kind_settings.h"

#include "studio/controls/form_section.h"

#include <QVBoxLayout>

namespace quillon {

KindSettings::KindSettings(QWidget* parent)
    : QWidget(parent)
{
    m_column = new QVBoxLayout(this);
    m_column->setContentsMargins(0, 0, 0, 0);
    m_column->setSpacing(16);
}

FormSection* KindSettings::addSection(const QString& title)
{
    auto* section = new FormSection(title, this);
    m_column->addWidget(section);
    return section;
}

} // namespace quillon
