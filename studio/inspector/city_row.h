// One city with its local time: the name over its country and GMT offset, the time on the right,
// then whatever button the caller puts after it.
#pragma once

#include "platform/calendar/instant.h"
#include "scenes/city.h"

#include <QWidget>

class QLabel;

namespace quillon {

class CityRow final : public QWidget {
    Q_OBJECT

public:
    CityRow(City city, QWidget* accessory, QWidget* parent = nullptr);

    const City& city() const { return m_city; }
    // Writes the offset and the local time for this moment.
    void showTime(Instant now, bool use24h);

    QString timeText() const;
    QString captionText() const;

private:
    City m_city;
    QLabel* m_name = nullptr;
    QLabel* m_caption = nullptr;
    QLabel* m_time = nullptr;
};

} // namespace quillon
