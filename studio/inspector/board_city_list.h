// The world board's cities as rows to remove, move and drag into a new order. Each row stands for
// one entry of the stored list, also when a city appears twice.
#pragma once

#include "platform/accessibility/accessible_list_widget.h"
#include "studio/inspector/city_row.h"

#include <vector>

namespace quillon {

class StudioModel;

class BoardCityList final : public AccessibleListWidget {
    Q_OBJECT

public:
    explicit BoardCityList(StudioModel& model, QWidget* parent = nullptr);

    // Rows made again from the stored list.
    void rebuild();
    // The time in each row, for this moment.
    void refreshTimes();
    // Each row as tall as its text wraps to at this width.
    void fitRows();

    CityRow* rowAt(int row) const;
    // The stored entry a row stands for.
    int entryAt(int row) const;
    // The menu of a row, as the context menu shows it.
    QMenu* menuFor(int row, QWidget* parent);

    // Where dropped rows go, as an index of the stored list of `storedCount` entries: before the
    // entry of the row dropped on, or of the row after it when dropped on its lower half, or at the
    // end past the last row (`targetRow` -1: below every row).
    static int dropDestination(const std::vector<int>& entries, int targetRow, bool below, int storedCount);

protected:
    void dropEvent(QDropEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fitHeight();

    StudioModel& m_model;
    std::vector<int> m_entries; // per row, its index in the stored list
};

} // namespace quillon
