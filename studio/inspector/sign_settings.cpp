// The sign's part of the settings column.
#include "studio/inspector/sign_settings.h"

#include "studio/controls/form_section.h"
#include "studio/controls/growing_text_edit.h"
#include "studio/inspector/dot_text_footer.h"
#include "studio/model/studio_model.h"

namespace quillon {

SignSettings::SignSettings(StudioModel& model, QWidget* parent)
    : KindSettings(parent)
    , m_model(model)
{
    FormSection* section = addSection(tr("Message", "the text a sign shows"));
    m_messageField = new GrowingTextEdit(3, 6);
    m_messageField->setObjectName("signMessage");
    m_messageField->setAccessibleName(tr("Message", "the text a sign shows"));
    m_messageField->setPlainText(QString::fromStdString(m_model.state().signText));
    connect(m_messageField, &QPlainTextEdit::textChanged, this,
        [this] { m_model.setSignText(m_messageField->toPlainText().toStdString()); });
    section->addRow(m_messageField);
    showDotTextFooter(*section, *m_messageField, m_model.state().signText);

    connect(&m_model, &StudioModel::signTextChanged, this, [this, section] {
        m_messageField->setTextIfDifferent(QString::fromStdString(m_model.state().signText));
        showDotTextFooter(*section, *m_messageField, m_model.state().signText);
    });
}

} // namespace quillon
