#include "studio/inspector/city_row.h"

#include "names/city_display_names.h"
#include "studio/controls/qt_text.h"
#include "studio/controls/text_styles.h"
#include "studio/inspector/inspector_texts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace quillon {

CityRow::CityRow(City city, QWidget* accessory, QWidget* parent)
    : QWidget(parent)
    , m_city(std::move(city))
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(10);
    auto* names = new QVBoxLayout;
    names->setSpacing(1);
    m_name = new QLabel(cityName(m_city), this);
    m_caption = new QLabel(this);
    m_caption->setFont(captionFont());
    makeSecondary(*m_caption);
    // A narrow column wraps the names rather than pushing the time and the button out of sight.
    m_name->setWordWrap(true);
    m_caption->setWordWrap(true);
    names->addWidget(m_name);
    names->addWidget(m_caption);
    row->addLayout(names, 1);

    m_time = new QLabel(this);
    makeSecondary(*m_time);
    m_time->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row->addWidget(m_time);
    if (accessory)
        row->addWidget(accessory);
}

void CityRow::showTime(Instant now, bool use24h)
{
    //: Under a city's name: its country and its GMT offset.
    m_caption->setText(
        tr("%1 \u00B7 %2", "country and offset").arg(countryName(m_city), qText(gmtOffsetText(m_city, now))));
    // As wide as the widest time, so that the column does not shift as minutes tick.
    m_time->setMinimumWidth(m_time->fontMetrics().horizontalAdvance(use24h ? "00:00" : "00:00 PM") + 2);
    m_time->setText(qText(cityLocalTime(m_city, now, use24h)));
    //: A city's row for assistive technologies: the city, the line under it and its local time.
    setAccessibleName(tr("%1, %2, %3", "city, country and offset, time")
                          .arg(cityName(m_city), m_caption->text(), m_time->text()));
}

QString CityRow::timeText() const
{
    return m_time->text();
}

QString CityRow::captionText() const
{
    return m_caption->text();
}

} // namespace quillon
