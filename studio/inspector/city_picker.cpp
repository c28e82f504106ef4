#include "studio/inspector/city_picker.h"

#include "names/city_display_names.h"
#include "platform/accessibility/accessible_list_widget.h"
#include "platform/accessibility/announcer.h"
#include "platform/calendar/instant.h"
#include "studio/controls/qt_text.h"
#include "studio/controls/symbols.h"
#include "studio/controls/text_styles.h"
#include "studio/inspector/inspector_texts.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace quillon {
namespace {

// One result: the name over the country, the offset on the right.
QWidget* resultRow(const City& city, const QString& offset)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(10, 4, 10, 4);
    auto* names = new QVBoxLayout;
    names->setSpacing(0);
    names->addWidget(new QLabel(cityName(city)));
    auto* country = new QLabel(countryName(city));
    country->setFont(captionFont());
    makeSecondary(*country);
    names->addWidget(country);
    layout->addLayout(names, 1);
    auto* offsetLabel = new QLabel(offset);
    offsetLabel->setFont(captionFont());
    makeSecondary(*offsetLabel);
    layout->addWidget(offsetLabel);
    // Clicks go to the list, which picks the row.
    row->setAttribute(Qt::WA_TransparentForMouseEvents);
    return row;
}

} // namespace

CityPicker::CityPicker(std::set<std::string> exclude, Instant now, QWidget* parent)
    : QWidget(parent)
    , m_exclude(std::move(exclude))
    , m_now(now)
{
    setFixedSize(kSize);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto* searchRow = new QHBoxLayout;
    searchRow->setContentsMargins(10, 8, 10, 8);
    auto* glass = new QLabel(this);
    glass->setPixmap(
        symbolIcon(Symbol::magnifyingGlass, palette().color(QPalette::PlaceholderText)).pixmap(16, 16));
    m_search = new QLineEdit(this);
    m_search->setFrame(false);
    m_search->setPlaceholderText(tr("Search cities or countries"));
    m_search->setAccessibleName(tr("Search cities or countries"));
    searchRow->addWidget(glass);
    searchRow->addWidget(m_search, 1);
    column->addLayout(searchRow);

    auto* divider = new QFrame(this);
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Plain);
    divider->setForegroundRole(QPalette::Mid);
    column->addWidget(divider);

    m_stack = new QStackedWidget(this);
    m_results = new AccessibleListWidget(m_stack);
    m_results->setFrameShape(QFrame::NoFrame);
    m_results->setAccessibleName(tr("Cities"));
    m_noResults = new QLabel(m_stack);
    m_noResults->setAlignment(Qt::AlignCenter);
    m_noResults->setWordWrap(true);
    m_noResults->setMargin(20);
    m_stack->addWidget(m_results);
    m_stack->addWidget(m_noResults);
    column->addWidget(m_stack, 1);

    m_announcer = new Announcer(this);
    m_countSoon.setSingleShot(true);
    m_countSoon.setInterval(700);
    connect(&m_countSoon, &QTimer::timeout, this, &CityPicker::announceCount);
    connect(m_search, &QLineEdit::textChanged, this, &CityPicker::search);
    connect(m_search, &QLineEdit::textChanged, &m_countSoon, qOverload<>(&QTimer::start));
    connect(m_search, &QLineEdit::returnPressed, this, [this] {
        if (!m_found.empty())
            pickRow(0);
    });
    connect(m_results, &QListWidget::itemClicked, this,
        [this](QListWidgetItem* item) { pickRow(m_results->row(item)); });
    connect(m_results, &QListWidget::itemActivated, this,
        [this](QListWidgetItem* item) { pickRow(m_results->row(item)); });
    // From the search field, Down goes on into the list.
    m_search->installEventFilter(this);
    setFocusProxy(m_search);
    search(QString());
}

bool CityPicker::showsNoResults() const
{
    return m_stack->currentWidget() == m_noResults;
}

QString CityPicker::noResultsText() const
{
    return m_noResults->text();
}

void CityPicker::search(const QString& query)
{
    m_found.clear();
    for (City& city : searchCities(query)) {
        if (!m_exclude.contains(city.id))
            m_found.push_back(std::move(city));
    }
    m_results->clear();
    for (const City& city : m_found) {
        const QString offset = qText(gmtOffsetText(city, m_now));
        auto* item = new QListWidgetItem(m_results);
        //: A found city for assistive technologies: the city, its country and its GMT offset.
        item->setData(Qt::AccessibleTextRole,
            tr("%1, %2, %3", "city, country, offset").arg(cityName(city), countryName(city), offset));
        QWidget* row = resultRow(city, offset);
        item->setSizeHint(row->sizeHint());
        m_results->setItemWidget(item, row);
    }
    //: Shown in place of the list when nothing matches. %1 is what was typed.
    m_noResults->setText(
        tr("<b>No Results for \u201c%1\u201d</b><br><br>Check the spelling or try a new search.")
            .arg(query.toHtmlEscaped()));
    m_stack->setCurrentWidget(m_found.empty() ? static_cast<QWidget*>(m_noResults) : m_results);
    //: How many cities a search found, as screen readers say it and the list's description
    m_results->setAccessibleDescription(tr("%n cities", nullptr, static_cast<int>(m_found.size())));
}

void CityPicker::announceCount()
{
    m_announcer->announce(m_found.empty()
            //: Said to screen readers when a search finds no city
            ? tr("No results")
            : m_results->accessibleDescription());
}

bool CityPicker::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_search && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down && !m_found.empty()) {
        // The first result is current before the list has the keyboard, so that the list's focus
        // is on it and screen readers read it, rather than on the list alone.
        m_results->setCurrentRow(0);
        m_results->setFocus(Qt::TabFocusReason);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CityPicker::pickRow(int row)
{
    if (row >= 0 && row < static_cast<int>(m_found.size()))
        emit picked(m_found[static_cast<std::size_t>(row)]);
}

} // namespace quillon
