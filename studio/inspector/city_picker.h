// A searchable list of cities for a popover: type to narrow it, click a city or press Return for
// the first one.
#pragma once

#include "platform/calendar/instant.h"

#include "scenes/city.h"

#include <QTimer>
#include <QWidget>

#include <set>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QStackedWidget;

namespace quillon {

class Announcer;

class CityPicker final : public QWidget {
    Q_OBJECT

public:
    static constexpr QSize kSize {320, 380};

    // Cities whose id is in `exclude` are not offered; offsets are those at `now`, the studio's time.
    CityPicker(std::set<std::string> exclude, Instant now, QWidget* parent = nullptr);

    QLineEdit* searchField() const { return m_search; }
    QListWidget* resultList() const { return m_results; }
    const std::vector<City>& results() const { return m_found; }
    // Whether the no-results placeholder stands in place of the list.
    bool showsNoResults() const;
    QString noResultsText() const;

signals:
    void picked(quillon::City city);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void search(const QString& query);
    void pickRow(int row);
    // How many cities the search found, said to screen readers once the typing pauses.
    void announceCount();

    std::set<std::string> m_exclude;
    Instant m_now;
    std::vector<City> m_found;
    QLineEdit* m_search = nullptr;
    QListWidget* m_results = nullptr;
    QLabel* m_noResults = nullptr;
    QStackedWidget* m_stack = nullptr;
    Announcer* m_announcer = nullptr;
    QTimer m_countSoon;
};

} // namespace quillon
