#include "widgethost/editor/choice_column.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCheckBox>
#include <QDrag>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstddef>
#include <utility>

namespace quillon::widgethost {
namespace {

const char* const kEntryMimeType = "application/x-quillon-choice-entry";

// A grouping is a panel over AT-SPI, which a screen reader names as the keyboard comes into it; a
// scroll area would be a filler, which screen readers take for layout.
QAccessibleInterface* columnInterface(const QString& className, QObject* object)
{
    if (object && object->isWidgetType()
        && className == QLatin1String(ChoiceColumn::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Grouping);
    return nullptr;
}

// Sets a check without reporting it as the user's. A checked radio button refuses to be unchecked
// while it is exclusive, and has to be when the chosen entry is one that a search hides.
void setCheckedQuietly(QAbstractButton& button, bool checked)
{
    const QSignalBlocker quiet(button);
    const bool exclusive = button.autoExclusive();
    button.setAutoExclusive(false);
    button.setChecked(checked);
    button.setAutoExclusive(exclusive);
}

} // namespace

ChoiceColumn::ChoiceColumn(Choosing choosing, const QString& name, QWidget* parent)
    : QScrollArea(parent)
    , m_choosing(choosing)
{
    static const bool interfaceInstalled = [] {
        QAccessible::installFactory(columnInterface);
        return true;
    }();
    (void)interfaceInstalled;

    setAccessibleName(name);
    // The entries take the keyboard; the column is no stop of Tab of its own.
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
    m_content = new QWidget;
    m_content->setBackgroundRole(QPalette::Base);
    m_layout = new QVBoxLayout(m_content);
    m_layout->setContentsMargins(6, 4, 6, 4);
    m_layout->setSpacing(2);
    m_layout->addStretch(1);
    if (choosing == Choosing::many) {
        // Dragging an entry puts it in another place of the order.
        m_content->setAcceptDrops(true);
        m_content->installEventFilter(this);
    }
    setWidget(m_content);
}

void ChoiceColumn::addEntries(const std::vector<Entry>& entries)
{
    const std::size_t before = m_items.size();
    for (const Entry& entry : entries) {
        if (itemWith(entry.id) != m_items.end())
            continue;
        Item item;
        item.entry = entry;
        m_items.push_back(std::move(item));
    }
    if (m_items.size() == before)
        return;
    if (m_choosing == Choosing::one
        && std::none_of(m_items.begin(), m_items.end(), [](const Item& item) { return item.chosen; }))
        m_items.front().chosen = true;
    relayout();
}

void ChoiceColumn::choose(const QStringList& ids)
{
    if (m_choosing == Choosing::many) {
        for (Item& item : m_items)
            item.chosen = ids.contains(item.entry.id);
    } else {
        auto chosen = m_items.begin();
        for (const QString& id : ids) {
            if (const auto found = itemWith(id); found != m_items.end()) {
                chosen = found;
                break;
            }
        }
        for (auto item = m_items.begin(); item != m_items.end(); ++item)
            item->chosen = item == chosen;
    }
    syncButtons();
}

QStringList ChoiceColumn::chosenIds() const
{
    QStringList ids;
    for (const Item& item : m_items) {
        if (item.chosen)
            ids << item.entry.id;
    }
    return ids;
}

void ChoiceColumn::filter(const std::function<bool(const Entry&)>& shows)
{
    for (Item& item : m_items)
        item.shown = shows(item.entry);
    relayout();
}

void ChoiceColumn::showAll()
{
    filter([](const Entry&) { return true; });
}

void ChoiceColumn::setSearchField(QLineEdit* search)
{
    m_search = search;
    search->installEventFilter(this);
}

std::vector<ChoiceColumn::Item>::iterator ChoiceColumn::itemWith(const QString& id)
{
    return std::find_if(
        m_items.begin(), m_items.end(), [&id](const Item& item) { return item.entry.id == id; });
}

std::vector<std::size_t> ChoiceColumn::shownIndices() const
{
    std::vector<std::size_t> shown;
    for (std::size_t index = 0; index < m_items.size(); ++index) {
        if (m_items[index].button)
            shown.push_back(index);
    }
    return shown;
}

QAbstractButton* ChoiceColumn::makeButton(const Item& item)
{
    QAbstractButton* button = nullptr;
    if (m_choosing == Choosing::many)
        button = new QCheckBox(m_content);
    else
        button = new QRadioButton(m_content);
    // An ampersand, as in "Bosnia & Herzegovina", would mark a shortcut and drop out of the name.
    button->setText(QString(item.entry.label).replace(QLatin1Char('&'), QStringLiteral("&&")));
    button->setToolTip(item.entry.toolTip);
    setCheckedQuietly(*button, item.chosen);
    button->installEventFilter(this);
    connect(button, &QAbstractButton::toggled, this,
        [this, id = item.entry.id](bool checked) { buttonToggled(id, checked); });
    return button;
}

void ChoiceColumn::relayout()
{
    for (Item& item : m_items) {
        if (item.shown && !item.button) {
            item.button = makeButton(item);
        } else if (!item.shown && item.button) {
            // Out of the column before it goes, so that the focus leaving it finds no entry.
            delete std::exchange(item.button, nullptr);
        }
    }
    while (QLayoutItem* laid = m_layout->takeAt(0))
        delete laid;
    // A button made now would come last in the window's Tab order, after the dialog's own buttons;
    // each is put back after the search field, in the column's order. Until the column and the
    // field are in one window, the order they are made in is the order they have.
    QWidget* previous = m_search && m_search->window() == window() ? m_search.data() : nullptr;
    for (Item& item : m_items) {
        if (!item.button)
            continue;
        m_layout->addWidget(item.button);
        // Screen readers take a widget's children in the order they were made; raising one puts it
        // last, so that they read the entries in the order they are seen.
        item.button->raise();
        // A child made for a parent already in sight would wait for the event loop to show it.
        item.button->show();
        if (previous)
            QWidget::setTabOrder(previous, item.button);
        previous = item.button;
    }
    m_layout->addStretch(1);
    // Laid out at once, so that the column can scroll to an entry the keyboard goes to next.
    m_layout->activate();
    applyTabStop();
}

void ChoiceColumn::syncButtons()
{
    for (Item& item : m_items) {
        if (item.button)
            setCheckedQuietly(*item.button, item.chosen);
    }
    applyTabStop();
}

QAbstractButton* ChoiceColumn::tabStop() const
{
    QAbstractButton* first = nullptr;
    QAbstractButton* chosen = nullptr;
    QAbstractButton* last = nullptr;
    for (const Item& item : m_items) {
        if (!item.button)
            continue;
        if (item.button->hasFocus())
            return item.button;
        if (!first)
            first = item.button;
        if (m_choosing == Choosing::one && item.chosen)
            chosen = item.button;
        if (m_focusedId && item.entry.id == *m_focusedId)
            last = item.button;
    }
    // As into a group of radio buttons, Tab comes into a column of one choice at the chosen entry.
    if (chosen)
        return chosen;
    return last ? last : first;
}

void ChoiceColumn::applyTabStop()
{
    // One stop for the whole column, so that Tab goes on past it, not through every entry.
    QAbstractButton* stop = tabStop();
    for (const Item& item : m_items) {
        if (item.button)
            item.button->setFocusPolicy(item.button == stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void ChoiceColumn::buttonToggled(const QString& id, bool checked)
{
    const auto toggled = itemWith(id);
    if (toggled == m_items.end())
        return;
    toggled->chosen = checked;
    if (m_choosing == Choosing::many) {
        emit choiceChanged();
        return;
    }
    // Of one choice, the entry checked is the change; the one it unchecks, perhaps hidden, goes
    // with it.
    if (!checked)
        return;
    for (Item& item : m_items)
        item.chosen = &item == &*toggled;
    applyTabStop();
    emit choiceChanged();
}

bool ChoiceColumn::eventFilter(QObject* watched, QEvent* event)
{
    // The scroll area watches its own widget and scroll bars through this function too.
    return takesEvent(watched, event) || QScrollArea::eventFilter(watched, event);
}

bool ChoiceColumn::takesEvent(QObject* watched, QEvent* event)
{
    // Only a key press is asked about the search field: the field's events as it is destroyed come
    // here too, when it is a field no more.
    if (event->type() == QEvent::KeyPress && watched == m_search.data()) {
        if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Down)
            return false;
        const std::vector<std::size_t> shown = shownIndices();
        if (shown.empty())
            return false;
        // On from the search to the first of what it found, without choosing it.
        m_items[shown.front()].button->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (watched == m_content)
        return contentEvent(event);
    const auto item = std::find_if(m_items.begin(), m_items.end(),
        [watched](const Item& candidate) { return candidate.button == watched; });
    if (item == m_items.end())
        return false;
    const auto index = static_cast<std::size_t>(item - m_items.begin());
    switch (event->type()) {
    case QEvent::FocusIn:
        m_focusedId = item->entry.id;
        applyTabStop();
        ensureWidgetVisible(item->button);
        return false;
    case QEvent::FocusOut:
        applyTabStop();
        return false;
    case QEvent::KeyPress:
        return buttonKeyPressed(index, *static_cast<QKeyEvent*>(event));
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (m_choosing == Choosing::many && mouse->button() == Qt::LeftButton) {
            m_pressedId = item->entry.id;
            m_pressPoint = mouse->position().toPoint();
        }
        return false;
    }
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (!m_pressedId || *m_pressedId != item->entry.id || !(mouse->buttons() & Qt::LeftButton)
            || (mouse->position().toPoint() - m_pressPoint).manhattanLength()
                < QApplication::startDragDistance())
            return false;
        dragItem(index);
        return true;
    }
    case QEvent::MouseButtonRelease:
        m_pressedId.reset();
        return false;
    default:
        return false;
    }
}

bool ChoiceColumn::buttonKeyPressed(std::size_t index, const QKeyEvent& key)
{
    const std::vector<std::size_t> shown = shownIndices();
    const auto at = std::find(shown.begin(), shown.end(), index);
    if (at == shown.end())
        return false;
    if (key.key() == Qt::Key_Home || key.key() == Qt::Key_End) {
        goTo(key.key() == Qt::Key_Home ? shown.front() : shown.back());
        return true;
    }
    const bool reversed = layoutDirection() == Qt::RightToLeft;
    int step = 0;
    if (key.key() == Qt::Key_Up || key.key() == (reversed ? Qt::Key_Right : Qt::Key_Left))
        step = -1;
    else if (key.key() == Qt::Key_Down || key.key() == (reversed ? Qt::Key_Left : Qt::Key_Right))
        step = 1;
    if (step == 0)
        return false;
    const bool vertical = key.key() == Qt::Key_Up || key.key() == Qt::Key_Down;
    // As in the studio's list of cities: with Alt or Ctrl, the arrows move the entry in the order.
    const bool moving = vertical && m_choosing == Choosing::many
        && (key.modifiers() & (Qt::AltModifier | Qt::ControlModifier));
    if (step < 0 && at == shown.begin()) {
        // Up from the first entry goes back to the search, as Down came from it.
        if (m_search && vertical && !moving)
            m_search->setFocus(Qt::BacktabFocusReason);
        return true;
    }
    if (step > 0 && at + 1 == shown.end())
        return true;
    const std::size_t neighbour = step < 0 ? *(at - 1) : *(at + 1);
    if (moving)
        moveItem(index, neighbour);
    else
        goTo(neighbour);
    return true;
}

void ChoiceColumn::goTo(std::size_t index)
{
    QAbstractButton* button = m_items[index].button;
    // In a group of radio buttons, the arrows choose as they go.
    if (m_choosing == Choosing::one && !button->isChecked())
        button->click();
    button->setFocus(Qt::TabFocusReason);
}

void ChoiceColumn::moveItem(std::size_t from, std::size_t to)
{
    if (from == to)
        return;
    const auto at
        = [this](std::size_t index) { return m_items.begin() + static_cast<std::ptrdiff_t>(index); };
    if (from < to)
        std::rotate(at(from), at(from + 1), at(to + 1));
    else
        std::rotate(at(to), at(from), at(from + 1));
    relayout();
    if (QAbstractButton* moved = m_items[to].button)
        ensureWidgetVisible(moved);
    emit choiceChanged();
}

void ChoiceColumn::dragItem(std::size_t index)
{
    m_pressedId.reset();
    QAbstractButton* button = m_items[index].button;
    // The press that began the drag is no click: the entry keeps its check.
    button->setDown(false);
    auto* carried = new QMimeData;
    carried->setData(kEntryMimeType, m_items[index].entry.id.toUtf8());
    auto* drag = new QDrag(this);
    drag->setMimeData(carried);
    drag->setPixmap(button->grab());
    drag->setHotSpot(m_pressPoint);
    drag->exec(Qt::MoveAction);
}

void ChoiceColumn::dropItem(std::size_t from, int y)
{
    // Before the first entry shown whose middle is below the drop, or after the last one shown.
    std::size_t to = from;
    for (const std::size_t index : shownIndices()) {
        if (m_items[index].button->geometry().center().y() > y) {
            moveItem(from, index > from ? index - 1 : index);
            return;
        }
        to = index;
    }
    moveItem(from, to);
}

bool ChoiceColumn::contentEvent(QEvent* event)
{
    const bool over = event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove;
    if (!over && event->type() != QEvent::Drop)
        return false;
    auto* drop = static_cast<QDropEvent*>(event);
    // Only an entry of this column moves within it.
    if (drop->source() != this || !drop->mimeData()->hasFormat(kEntryMimeType))
        return false;
    drop->acceptProposedAction();
    if (over)
        return true;
    const auto dropped = itemWith(QString::fromUtf8(drop->mimeData()->data(kEntryMimeType)));
    if (dropped != m_items.end() && dropped->button)
        dropItem(static_cast<std::size_t>(dropped - m_items.begin()), qRound(drop->position().y()));
    return true;
}

} // namespace quillon::widgethost
