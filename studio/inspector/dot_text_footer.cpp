#include "studio/inspector/dot_text_footer.h"

#include "names/dot_text_notes.h"
#include "studio/controls/form_section.h"

#include <QStringList>
#include <QWidget>

namespace quillon {

void showDotTextFooter(FormSection& section, QWidget& field, std::string_view text, const QString& hint)
{
    QStringList lines {dotRenderingNote(text), hint, dotCharactersNote()};
    lines.removeAll(QString());
    const QString footer = lines.join(u'\n');
    section.setFooter(footer);
    field.setAccessibleDescription(footer);
}

} // namespace quillon
