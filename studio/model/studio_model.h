// The studio's one model: the live settings and clock, the edits the window makes, saving every
// edit, and asking the widgets to reload at most once per burst of edits that concern them.
#pragma once

#include "platform/session_bus/timeline_reloader.h"
#include "scenes/city.h"
#include "scenes/dot_scene.h"
#include "state/studio_state.h"
#include "studio/model/state_store.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

class StudioModel : public QObject {
    Q_OBJECT

public:
    // The widgets reload this long after the last edit that changed what they show.
    static constexpr std::chrono::milliseconds kReloadDelay {400};

    // Loads the record and asks the widgets to reload at once. Nothing is written until something
    // changes: a settings folder that cannot be written is no problem until then.
    StudioModel(StateStore& store, TimelineReloader& reloader, Instant now, QObject* parent = nullptr);
    // A reload still waiting out its delay is sent now: the widgets must not keep stale settings.
    ~StudioModel() override;

    const StudioState& state() const { return m_state; }
    // Whether the last save failed: the studio says so until one succeeds.
    bool isSaveFailed() const { return m_saveFailed; }
    // What the studio tells of its settings file: why the last save failed, else what was wrong
    // with the record it loaded, until a save succeeds. Ok when there is nothing to tell.
    const StoreReport& storeReport() const { return m_storeReport; }
    Instant now() const { return m_now; }

    // A whole new record: observers of the fields that differ are told.
    void setState(const StudioState& state);
    void setNow(Instant now);

    void selectKind(DotWidgetKind kind);
    void selectTheme(ThemeID theme);
    DotSize sizeForKind(DotWidgetKind kind) const;
    // The size of the selected kind.
    void setSize(DotSize size);

    // The board's cities in order, duplicates kept; ids the catalogue lacks are skipped here and
    // kept in the settings.
    std::vector<City> boardCityList() const;
    // Moves the city to the end when it is already on the board.
    void addBoardCity(const std::string& id);
    void moveBoardCityUp(int index);
    void moveBoardCityDown(int index);
    void removeBoardCity(int index);
    // The list move of drag to reorder: the entries at `sources` go, in their order, before the
    // entry that stood at `destination` (the list's length appends them).
    void reorderBoardCities(std::vector<int> sources, int destination);

    void setClockCity(const std::string& id);
    void setUse24h(bool use24h);
    void setPeriod(ProgressPeriod period);
    void setCountdownTitle(const std::string& title);
    void setCountdownDate(Instant date);
    void setSignText(const std::string& text);

    DotScene sceneFor(DotWidgetKind kind, DotSize size) const;

    // Selects the kind a widget link names and tells the window to bring its settings forward;
    // any other text is ignored. Returns whether the link was taken.
    bool openLink(std::string_view link);

    bool isReloadPending() const { return m_reloadTimer.isActive(); }

signals:
    void kindChanged();
    void sizesChanged();
    void themeChanged();
    void use24hChanged();
    void boardCitiesChanged();
    void clockCityChanged();
    void periodChanged();
    void countdownTitleChanged();
    void countdownDateChanged();
    void signTextChanged();
    void nowChanged();
    // A widget link was opened: the window focuses the sidebar, leaves full view and shows the
    // inspector.
    void linkOpened(quillon::DotWidgetKind kind);
    // The store report changed: a save failed, failed for another reason, or succeeded again.
    void storeReportChanged();

private:
    template <typename Field, typename Value>
    void writeField(Field StudioState::*field, Value value, void (StudioModel::*changed)());
    void notifyDifferences(const StudioState& before);
    void afterWrite(const StudioState& before);
    void save();

    StateStore& m_store;
    TimelineReloader& m_reloader;
    StudioState m_state;
    Instant m_now;
    QTimer m_reloadTimer;
    bool m_saveFailed = false;
    StoreReport m_storeReport;
};

} // namespace quillon
