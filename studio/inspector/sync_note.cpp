// The note under every kind's settings.
#include "studio/inspector/sync_note.h"

#include "studio/controls/form_section.h"
#include "studio/controls/symbols.h"
#include "studio/controls/text_styles.h"
#include "studio/inspector/kind_settings.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>

namespace quillon {

void addSyncNote(KindSettings& part)
{
    FormSection* section = part.addSection();
    auto* note = new QWidget;
    auto* row = new QHBoxLayout(note);
    row->setContentsMargins(0, 0, 0, 0);
    auto* icon = new QLabel;
    icon->setPixmap(
        symbolIcon(Symbol::circularArrows, part.palette().color(QPalette::PlaceholderText)).pixmap(16, 16));
    // In the settings column's translation context, where the catalogues hold these texts.
    auto* label = new QLabel(
        QCoreApplication::translate("quillon::InspectorView", "Desktop widgets follow these settings."));
    label->setFont(calloutFont());
    label->setWordWrap(true);
    makeSecondary(*label);
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addWidget(label, 1);
    section->addRow(note);
    section->setFooter(QCoreApplication::translate("quillon::InspectorView",
        "To give one widget its own theme or city, right-click it on the desktop and choose Edit Widget."));
}

} // namespace quillon
