// Writes of the settings, each saved and, when the widgets show it, followed by a debounced reload.
#include "studio/model/studio_model.h"

#include "scenes/display_content.h"
#include "scenes/widget_link.h"

#include <algorithm>
#include <set>

namespace quillon {

StudioModel::StudioModel(StateStore& store, TimelineReloader& reloader, Instant now, QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_reloader(reloader)
    , m_state(store.load())
    , m_now(now)
{
    m_reloadTimer.setSingleShot(true);
    m_reloadTimer.setTimerType(Qt::PreciseTimer);
    m_reloadTimer.setInterval(kReloadDelay);
    connect(&m_reloadTimer, &QTimer::timeout, this, [this] { m_reloader.reloadAllTimelines(); });
    m_storeReport = m_store.loadReport();
    m_reloader.reloadAllTimelines();
}

StudioModel::~StudioModel()
{
    if (m_reloadTimer.isActive())
        m_reloader.reloadAllTimelines();
}

void StudioModel::save()
{
    StoreReport report = m_store.save(m_state);
    m_saveFailed = !report.ok();
    if (report == m_storeReport)
        return;
    m_storeReport = std::move(report);
    emit storeReportChanged();
}

void StudioModel::afterWrite(const StudioState& before)
{
    save();
    if (widgetSignature(before) == widgetSignature(m_state))
        return;
    // Restarting cancels the pending reload: one reload per burst, after its last edit.
    m_reloadTimer.start();
}

template <typename Field, typename Value>
void StudioModel::writeField(Field StudioState::*field, Value value, void (StudioModel::*changed)())
{
    const StudioState before = m_state;
    m_state.*field = std::move(value);
    emit(this->*changed)();
    afterWrite(before);
}

void StudioModel::notifyDifferences(const StudioState& before)
{
    const auto tell = [&](bool differs, void (StudioModel::*changed)()) {
        if (differs)
            emit(this->*changed)();
    };
    tell(before.kind != m_state.kind, &StudioModel::kindChanged);
    tell(before.sizes != m_state.sizes, &StudioModel::sizesChanged);
    tell(before.theme != m_state.theme, &StudioModel::themeChanged);
    tell(before.use24h != m_state.use24h, &StudioModel::use24hChanged);
    tell(before.boardCities != m_state.boardCities, &StudioModel::boardCitiesChanged);
    tell(before.clockCity != m_state.clockCity, &StudioModel::clockCityChanged);
    tell(before.period != m_state.period, &StudioModel::periodChanged);
    tell(before.countdownTitle != m_state.countdownTitle, &StudioModel::countdownTitleChanged);
    tell(!(before.countdownDate == m_state.countdownDate), &StudioModel::countdownDateChanged);
    tell(before.signText != m_state.signText, &StudioModel::signTextChanged);
}

void StudioModel::setState(const StudioState& state)
{
    const StudioState before = m_state;
    m_state = state;
    notifyDifferences(before);
    afterWrite(before);
}

void StudioModel::setNow(Instant now)
{
    if (now == m_now)
        return;
    m_now = now;
    emit nowChanged();
}

void StudioModel::selectKind(DotWidgetKind kind)
{
    writeField(&StudioState::kind, kind, &StudioModel::kindChanged);
}

void StudioModel::selectTheme(ThemeID theme)
{
    writeField(&StudioState::theme, theme, &StudioModel::themeChanged);
}

DotSize StudioModel::sizeForKind(DotWidgetKind kind) const
{
    return quillon::sizeForKind(m_state, kind);
}

void StudioModel::setSize(DotSize size)
{
    auto sizes = m_state.sizes;
    sizes[m_state.kind] = size;
    writeField(&StudioState::sizes, std::move(sizes), &StudioModel::sizesChanged);
}

std::vector<City> StudioModel::boardCityList() const
{
    std::vector<City> cities;
    for (const std::string& id : m_state.boardCities) {
        if (auto city = City::find(id))
            cities.push_back(std::move(*city));
    }
    return cities;
}

void StudioModel::addBoardCity(const std::string& id)
{
    auto cities = m_state.boardCities;
    std::erase(cities, id);
    writeField(&StudioState::boardCities, cities, &StudioModel::boardCitiesChanged);
    cities.push_back(id);
    writeField(&StudioState::boardCities, std::move(cities), &StudioModel::boardCitiesChanged);
}

void StudioModel::moveBoardCityUp(int index)
{
    if (index <= 0 || index >= static_cast<int>(m_state.boardCities.size()))
        return;
    auto cities = m_state.boardCities;
    std::swap(cities[static_cast<std::size_t>(index)], cities[static_cast<std::size_t>(index - 1)]);
    writeField(&StudioState::boardCities, std::move(cities), &StudioModel::boardCitiesChanged);
}

void StudioModel::moveBoardCityDown(int index)
{
    if (index < 0 || index + 1 >= static_cast<int>(m_state.boardCities.size()))
        return;
    auto cities = m_state.boardCities;
    std::swap(cities[static_cast<std::size_t>(index)], cities[static_cast<std::size_t>(index + 1)]);
    writeField(&StudioState::boardCities, std::move(cities), &StudioModel::boardCitiesChanged);
}

void StudioModel::removeBoardCity(int index)
{
    if (index < 0 || index >= static_cast<int>(m_state.boardCities.size()))
        return;
    auto cities = m_state.boardCities;
    cities.erase(cities.begin() + index);
    writeField(&StudioState::boardCities, std::move(cities), &StudioModel::boardCitiesChanged);
}

void StudioModel::reorderBoardCities(std::vector<int> sources, int destination)
{
    const auto count = static_cast<int>(m_state.boardCities.size());
    const std::set<int> moving(sources.begin(), sources.end());
    std::vector<std::string> moved;
    std::vector<std::string> staying;
    int insertAt = 0;
    for (int index = 0; index < count; ++index) {
        const std::string& id = m_state.boardCities[static_cast<std::size_t>(index)];
        if (moving.contains(index)) {
            moved.push_back(id);
        } else {
            staying.push_back(id);
            if (index < destination)
                ++insertAt;
        }
    }
    if (moved.empty())
        return;
    staying.insert(staying.begin() + insertAt, moved.begin(), moved.end());
    writeField(&StudioState::boardCities, std::move(staying), &StudioModel::boardCitiesChanged);
}

void StudioModel::setClockCity(const std::string& id)
{
    writeField(&StudioState::clockCity, id, &StudioModel::clockCityChanged);
}

void StudioModel::setUse24h(bool use24h)
{
    writeField(&StudioState::use24h, use24h, &StudioModel::use24hChanged);
}

void StudioModel::setPeriod(ProgressPeriod period)
{
    writeField(&StudioState::period, period, &StudioModel::periodChanged);
}

void StudioModel::setCountdownTitle(const std::string& title)
{
    writeField(&StudioState::countdownTitle, title, &StudioModel::countdownTitleChanged);
}

void StudioModel::setCountdownDate(Instant date)
{
    writeField(&StudioState::countdownDate, date, &StudioModel::countdownDateChanged);
}

void StudioModel::setSignText(const std::string& text)
{
    writeField(&StudioState::signText, text, &StudioModel::signTextChanged);
}

DotScene StudioModel::sceneFor(DotWidgetKind kind, DotSize size) const
{
    return sceneForKind(kind, size, m_state.content(), m_now, Calendar::current());
}

bool StudioModel::openLink(std::string_view link)
{
    const auto kind = kindFromWidgetLink(link);
    if (!kind)
        return false;
    selectKind(*kind);
    emit linkOpened(*kind);
    return true;
}

} // namespace quillon
