#include "studio/inspector/board_city_list.h"

#include "studio/controls/symbols.h"
#include "studio/model/studio_model.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QResizeEvent>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

namespace quillon {

BoardCityList::BoardCityList(StudioModel& model, QWidget* parent)
    : AccessibleListWidget(parent)
    , m_model(model)
{
    setAccessibleName(tr("Cities"));
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Rows follow the list's width: laid out once, they kept the width they had before the
    // settings column's scroll bar appeared, and their remove buttons went under it.
    setResizeMode(QListView::Adjust);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragDropMode(QAbstractItemView::InternalMove);
    setDefaultDropAction(Qt::MoveAction);
    setContextMenuPolicy(Qt::CustomContextMenu);
    viewport()->setAutoFillBackground(false);
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& position) {
        QListWidgetItem* item = itemAt(position);
        // From the keyboard's menu key the position may miss every row: the current one is meant.
        const int row = item ? this->row(item) : currentRow();
        if (row < 0)
            return;
        QMenu* menu = menuFor(row, this);
        // From the keyboard, the first item is highlighted as the menu opens, for screen readers to
        // read: a menu with none has nothing to say.
        if (!item)
            QTimer::singleShot(0, menu, [menu] { menu->setActiveAction(menu->actions().value(0)); });
        menu->exec(viewport()->mapToGlobal(item ? position : visualItemRect(this->item(row)).center()));
        delete menu;
    });
    rebuild();
}

void BoardCityList::rebuild()
{
    const int current = currentRow();
    const bool selected = !selectedItems().isEmpty();
    clear();
    m_entries.clear();
    const std::vector<std::string>& ids = m_model.state().boardCities;
    for (std::size_t index = 0; index < ids.size(); ++index) {
        // An id the catalogue does not know stays stored but has no row.
        const std::optional<City> city = City::find(ids[index]);
        if (!city)
            continue;
        const int entry = static_cast<int>(index);
        auto* remove = new QToolButton;
        remove->setObjectName("removeCity");
        remove->setAutoRaise(true);
        remove->setIcon(symbolIcon(Symbol::minusCircleFilled, palette().color(QPalette::PlaceholderText)));
        //: Removes a city from the world board. %1 is the city's name.
        remove->setToolTip(tr("Remove %1").arg(QString::fromStdString(city->name)));
        remove->setAccessibleName(remove->toolTip());
        remove->setFocusPolicy(Qt::NoFocus); // Delete on the row does it from the keyboard
        connect(remove, &QToolButton::clicked, this, [this, entry] { m_model.removeBoardCity(entry); });
        auto* row = new CityRow(*city, remove);
        row->setContentsMargins(0, 4, 0, 4);
        auto* item = new QListWidgetItem(this);
        setItemWidget(item, row);
        m_entries.push_back(entry);
    }
    // The row just moved or the one after the removed one stays highlighted, for the next key.
    if (count() > 0)
        setCurrentRow(std::clamp(current, 0, count() - 1),
            selected ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::NoUpdate);
    refreshTimes();
    fitRows();
}

void BoardCityList::fitRows()
{
    const int width = viewport()->width();
    for (int row = 0; row < count(); ++row) {
        CityRow* cityRow = rowAt(row);
        const int height
            = cityRow->hasHeightForWidth() ? cityRow->heightForWidth(width) : cityRow->sizeHint().height();
        item(row)->setSizeHint(QSize(0, std::max(height, cityRow->minimumSizeHint().height())));
    }
    fitHeight();
}

void BoardCityList::resizeEvent(QResizeEvent* event)
{
    AccessibleListWidget::resizeEvent(event);
    fitRows();
}

void BoardCityList::refreshTimes()
{
    for (int row = 0; row < count(); ++row) {
        CityRow* cityRow = rowAt(row);
        cityRow->showTime(m_model.now(), m_model.state().use24h);
        item(row)->setData(Qt::AccessibleTextRole, cityRow->accessibleName());
    }
}

CityRow* BoardCityList::rowAt(int row) const
{
    return qobject_cast<CityRow*>(itemWidget(item(row)));
}

int BoardCityList::entryAt(int row) const
{
    return row >= 0 && row < static_cast<int>(m_entries.size()) ? m_entries[static_cast<std::size_t>(row)]
                                                                : -1;
}

QMenu* BoardCityList::menuFor(int row, QWidget* parent)
{
    auto* menu = new QMenu(parent);
    const int entry = entryAt(row);
    if (row > 0)
        menu->addAction(tr("Move Up", "move a city up the board"), this,
            [this, entry] { m_model.moveBoardCityUp(entry); });
    if (row + 1 < count())
        menu->addAction(tr("Move Down", "move a city down the board"), this,
            [this, entry] { m_model.moveBoardCityDown(entry); });
    if (!menu->isEmpty())
        menu->addSeparator();
    // Menus here have no red for destructive items; the delete icon and the separator set it apart.
    menu->addAction(QIcon::fromTheme("edit-delete"), tr("Remove", "take a city off the board"), this,
        [this, entry] { m_model.removeBoardCity(entry); });
    return menu;
}

void BoardCityList::dropEvent(QDropEvent* event)
{
    if (event->source() != this) {
        event->ignore();
        return;
    }
    QListWidgetItem* target = itemAt(event->position().toPoint());
    const int destination = dropDestination(m_entries, target ? row(target) : -1,
        dropIndicatorPosition() == QAbstractItemView::BelowItem,
        static_cast<int>(m_model.state().boardCities.size()));
    std::vector<int> sources;
    for (QListWidgetItem* selected : selectedItems())
        sources.push_back(entryAt(row(selected)));
    std::sort(sources.begin(), sources.end());
    // The model moves the entries; the rows are made again from it, so the view moves nothing itself.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    if (!sources.empty())
        m_model.reorderBoardCities(std::move(sources), destination);
}

int BoardCityList::dropDestination(
    const std::vector<int>& entries, int targetRow, bool below, int storedCount)
{
    const int rows = static_cast<int>(entries.size());
    if (targetRow < 0 || targetRow >= rows)
        return storedCount;
    const int before = below ? targetRow + 1 : targetRow;
    return before < rows ? entries[static_cast<std::size_t>(before)] : storedCount;
}

void BoardCityList::keyPressEvent(QKeyEvent* event)
{
    const int row = currentRow();
    const int entry = entryAt(row);
    const bool move = event->modifiers() & (Qt::AltModifier | Qt::ControlModifier);
    if (entry >= 0 && (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace)) {
        m_model.removeBoardCity(entry);
        return;
    }
    if (entry >= 0 && move && event->key() == Qt::Key_Up && row > 0) {
        m_model.moveBoardCityUp(entry);
        setCurrentRow(row - 1);
        return;
    }
    if (entry >= 0 && move && event->key() == Qt::Key_Down && row + 1 < count()) {
        m_model.moveBoardCityDown(entry);
        setCurrentRow(row + 1);
        return;
    }
    AccessibleListWidget::keyPressEvent(event);
}

void BoardCityList::fitHeight()
{
    int height = 2 * frameWidth();
    for (int row = 0; row < count(); ++row)
        height += item(row)->sizeHint().height();
    setFixedHeight(std::max(height, 8));
}

} // namespace quillon
