// The countdown's part of the settings column.
#include "studio/inspector/countdown_settings.h"

#include "platform/calendar/locale_date_format.h"
#include "platform/text/user_locale.h"
#include "studio/controls/form_section.h"
#include "studio/controls/growing_text_edit.h"
#include "studio/controls/qt_text.h"
#include "studio/controls/symbols.h"
#include "studio/inspector/column_fit.h"
#include "studio/inspector/dot_text_footer.h"
#include "studio/inspector/inspector_texts.h"
#include "studio/model/studio_model.h"

#include <QHBoxLayout>
#include <QLabel>

namespace quillon {
namespace {

std::string timeLocale()
{
    return text::userLocaleIdentifier("LC_TIME");
}

} // namespace

CountdownSettings::CountdownSettings(StudioModel& model, QWidget* parent)
    : KindSettings(parent)
    , m_model(model)
{
    m_titleSection = addSection(tr("Title", "a countdown's title"));
    m_titleField = new GrowingTextEdit(1, 3);
    m_titleField->setObjectName("countdownTitle");
    //: The dots show only letters A to Z without accents, numbers and a few signs: an example they
    //: show right, such as a holiday's name written in those letters.
    m_titleField->setPlaceholderText(tr("New Year", "an example countdown title"));
    m_titleField->setAccessibleName(tr("Title", "a countdown's title"));
    m_titleField->setPlainText(QString::fromStdString(m_model.state().countdownTitle));
    connect(m_titleField, &QPlainTextEdit::textChanged, this,
        [this] { m_model.setCountdownTitle(m_titleField->toPlainText().toStdString()); });
    m_titleSection->addRow(m_titleField);
    m_titleSection->footer()->setObjectName("countdownTitleHint");
    refreshTitleFooter();

    m_dateSection = addSection(tr("Counting down to"));
    auto* dateRow = new QWidget;
    auto* dateLayout = new QHBoxLayout(dateRow);
    dateLayout->setContentsMargins(0, 0, 0, 0);
    auto* dateLabel = new QLabel(tr("Date", "when a countdown ends"));
    // Its date and time wrap onto a second line where the column is too narrow for one.
    m_dateButton = new WrappingPushButton(symbolIcon(Symbol::calendar), QString());
    m_dateButton->setObjectName("countdownDate");
    dateLabel->setBuddy(m_dateButton);
    dateLayout->addWidget(dateLabel);
    dateLayout->addStretch();
    dateLayout->addWidget(m_dateButton);
    m_dateSection->addRow(dateRow);
    refreshDateButton();
    refreshCountdown();
    m_dateSection->footer()->setObjectName("countdownNote");

    connect(&m_model, &StudioModel::countdownTitleChanged, this, [this] {
        m_titleField->setTextIfDifferent(QString::fromStdString(m_model.state().countdownTitle));
        refreshTitleFooter();
    });
    connect(&m_model, &StudioModel::countdownDateChanged, this, [this] {
        refreshDateButton();
        refreshCountdown();
    });
    // Hidden (full view, or the column switched off), nothing on it needs the time.
    connect(&m_model, &StudioModel::nowChanged, this, [this] {
        if (isVisible())
            refreshCountdown();
    });
    connect(&m_model, &StudioModel::use24hChanged, this, [this] {
        if (isVisible())
            refreshCountdown();
        refreshDateButton();
    });
}

void CountdownSettings::showEvent(QShowEvent* event)
{
    KindSettings::showEvent(event);
    refreshCountdown();
}

void CountdownSettings::refreshTitleFooter()
{
    const std::string& title = m_model.state().countdownTitle;
    // The hint is English in the code, listed for the translation tools with the inspector's texts.
    const QString longTitleHint = showsLongTitleHint(title)
        ? QCoreApplication::translate(kInspectorTextsContext, std::string(kLongTitleHint).c_str())
        : QString();
    showDotTextFooter(*m_titleSection, *m_titleField, title, longTitleHint);
}

void CountdownSettings::refreshDateButton()
{
    const Instant date = m_model.state().countdownDate;
    // The hour as the studio's clocks and the picker's time field write it, 24-hour or 12-hour,
    // in the locale's own order: not the locale's preferred hour ("j").
    const char* skeleton = m_model.state().use24h ? "EEEdMMMyHHmm" : "EEEdMMMyhmm";
    // Read as its label, "Date", and its text, the date and time.
    m_dateButton->setText(qText(formatLocaleSkeleton(date, TimeZone::current(), skeleton, timeLocale())));
}

void CountdownSettings::refreshCountdown()
{
    m_dateSection->setFooter(qText(countdownNote(m_model.state().countdownDate, m_model.now(),
        Calendar::current(), timeLocale(), m_model.state().use24h)));
}

} // namespace quillon
