#include "widgethost/settings/placed_widgets_panel.h"

#include "platform/accessibility/accessible_list_widget.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace quillon::widgethost {
namespace {

QString qText(const std::string& text)
{
    return QString::fromStdString(text);
}

// The widget menu's own words, which its catalogue entries already hold.
QString menuText(const char* text)
{
    return QCoreApplication::translate("quillon::widgethost::LiveWidget", text);
}

} // namespace

QString placedWidgetTitle(const PlacedWidgetEntry& entry)
{
    const QString size = familyDisplayTitle(entry.family);
    return entry.screen.empty()
        //: A placed widget in the list of them: %1 its name, such as "Clock"; %2 its size
        ? PlacedWidgetsPanel::tr("%1, %2").arg(qText(entry.name), size)
        //: A placed widget in the list of them: %1 its name; %2 its size; %3 its screen, such as HDMI-1
        : PlacedWidgetsPanel::tr("%1, %2, on %3").arg(qText(entry.name), size, qText(entry.screen));
}

QString placedWidgetRowText(const PlacedWidgetEntry& entry)
{
    const QString what = placedWidgetTitle(entry);
    if (entry.text.empty())
        return what;
    //: A placed widget in the list of them: %1 what it is, as "Clock, Medium"; %2 what it shows now
    return PlacedWidgetsPanel::tr("%1 \u2014 %2").arg(what, qText(entry.text));
}

PlacedWidgetsPanel::PlacedWidgetsPanel(QWidget* parent)
    : QWidget(parent)
{
    //: The heading of the list of widgets on the desktop, in the gallery
    m_heading = new QLabel("<b>" + tr("Placed Widgets").toHtmlEscaped() + "</b>");
    m_empty = new QLabel(tr("No widget is on the desktop yet. Add one below."));
    m_empty->setWordWrap(true);
    m_list = new AccessibleListWidget;
    m_list->setObjectName("placedWidgets");
    m_list->setAccessibleName(tr("Placed Widgets"));
    // As wide as the gallery, whatever a widget shows: a long row ends in an ellipsis on the screen,
    // and screen readers read it whole.
    m_list->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setTextElideMode(Qt::ElideRight);
    m_list->setMinimumWidth(1);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setContextMenuPolicy(Qt::DefaultContextMenu);
    m_list->installEventFilter(this);
    m_list->viewport()->installEventFilter(this);
    m_heading->setBuddy(m_list);

    m_edit = new QPushButton(menuText("Edit Widget\u2026"));
    m_size = new QPushButton(menuText("Size"));
    m_size->setMenu(new QMenu(m_size));
    //: The button that opens a menu of the screens the chosen widget can be moved to
    m_move = new QPushButton(tr("Move to Screen"));
    m_move->setMenu(new QMenu(m_move));
    m_remove = new QPushButton(menuText("Remove Widget"));
    connect(m_edit, &QPushButton::clicked, this, [this] {
        if (const PlacedWidgetEntry* entry = chosen())
            emit editRequested(qText(entry->id));
    });
    connect(m_remove, &QPushButton::clicked, this, [this] {
        if (const PlacedWidgetEntry* entry = chosen())
            emit removeRequested(qText(entry->id));
    });
    // Filled as they open, for the widget chosen then.
    connect(m_size->menu(), &QMenu::aboutToShow, this, [this] { fillSizeMenu(*m_size->menu()); });
    connect(m_move->menu(), &QMenu::aboutToShow, this, [this] { fillMoveMenu(*m_move->menu()); });
    connect(m_list, &QListWidget::currentRowChanged, this, &PlacedWidgetsPanel::refreshActions);

    m_buttons = new QWidget;
    auto* buttons = new QHBoxLayout(m_buttons);
    buttons->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* button : {m_edit, m_size, m_move, m_remove}) {
        // Return presses the button with the keyboard, as in a dialog.
        button->setAutoDefault(true);
        buttons->addWidget(button);
    }
    buttons->addStretch();

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_heading);
    column->addWidget(m_empty);
    column->addWidget(m_list);
    column->addWidget(m_buttons);
    setList({});
}

void PlacedWidgetsPanel::setList(const PlacedWidgetList& list)
{
    const bool sameWidgets = std::equal(list.widgets.begin(), list.widgets.end(), m_entries.widgets.begin(),
        m_entries.widgets.end(), [](const auto& a, const auto& b) { return a.id == b.id; });
    const int row = m_list->currentRow();
    const std::string chosenId = chosen() ? chosen()->id : std::string();
    m_entries = list;
    if (sameWidgets) {
        for (int index = 0; index < m_list->count(); ++index) {
            const QString text = placedWidgetRowText(m_entries.widgets[static_cast<std::size_t>(index)]);
            if (m_list->item(index)->text() != text)
                m_list->item(index)->setText(text);
        }
    } else {
        const bool hadFocus = m_list->hasFocus();
        m_list->clear();
        int keep = -1;
        for (const PlacedWidgetEntry& entry : m_entries.widgets) {
            m_list->addItem(placedWidgetRowText(entry));
            if (entry.id == chosenId)
                keep = m_list->count() - 1;
        }
        // The same widget where it is still listed; else the one that took the place of the one gone.
        if (keep < 0 && m_list->count() > 0)
            keep = std::clamp(row, 0, m_list->count() - 1);
        m_list->setCurrentRow(keep);
        if (hadFocus && m_list->count() == 0)
            m_heading->setFocus();
    }
    const bool empty = m_entries.widgets.empty();
    m_empty->setVisible(empty);
    m_list->setVisible(!empty);
    m_buttons->setVisible(!empty);
    // As tall as its rows, up to a few: the gallery's own list scrolls past it.
    int height = 2 * m_list->frameWidth();
    for (int index = 0; index < std::min(m_list->count(), 5); ++index)
        height += m_list->sizeHintForRow(index);
    m_list->setFixedHeight(std::max(height, 2 * m_list->frameWidth() + 24));
    refreshActions();
}

const PlacedWidgetEntry* PlacedWidgetsPanel::chosen() const
{
    const int row = m_list->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= m_entries.widgets.size())
        return nullptr;
    return &m_entries.widgets[static_cast<std::size_t>(row)];
}

void PlacedWidgetsPanel::refreshActions()
{
    const PlacedWidgetEntry* entry = chosen();
    m_edit->setEnabled(entry && entry->editable);
    m_size->setEnabled(entry && entry->families.size() > 1);
    m_move->setVisible(m_entries.screens.size() > 1);
    m_move->setEnabled(entry != nullptr);
    m_remove->setEnabled(entry != nullptr);
    // The buttons say which widget they act on, as "Remove Widget" alone would not.
    const QString which = entry ? placedWidgetTitle(*entry) : QString();
    for (QPushButton* button : {m_edit, m_size, m_move, m_remove})
        button->setAccessibleDescription(which);
}

void PlacedWidgetsPanel::fillSizeMenu(QMenu& menu)
{
    menu.clear();
    const PlacedWidgetEntry* entry = chosen();
    if (!entry)
        return;
    for (WidgetFamily family : entry->families) {
        QAction* action = menu.addAction(familyDisplayTitle(family), this,
            [this, id = qText(entry->id), family] { emit sizeRequested(id, family); });
        action->setCheckable(true);
        action->setChecked(family == entry->family);
    }
}

void PlacedWidgetsPanel::fillMoveMenu(QMenu& menu)
{
    menu.clear();
    const PlacedWidgetEntry* entry = chosen();
    if (!entry)
        return;
    for (const std::string& screen : m_entries.screens) {
        QAction* action = menu.addAction(qText(screen), this,
            [this, id = qText(entry->id), screen = qText(screen)] { emit moveRequested(id, screen); });
        action->setCheckable(true);
        action->setChecked(screen == entry->screen);
    }
}

bool PlacedWidgetsPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete && chosen()) {
        emit removeRequested(qText(chosen()->id));
        return true;
    }
    // The widget's menu, from the Menu key or a right click on a row, as on the desktop.
    if ((watched == m_list || watched == m_list->viewport()) && event->type() == QEvent::ContextMenu) {
        const PlacedWidgetEntry* entry = chosen();
        if (!entry)
            return true;
        auto* context = static_cast<QContextMenuEvent*>(event);
        QMenu menu(this);
        QAction* edit = menu.addAction(m_edit->text(), m_edit, &QPushButton::click);
        edit->setEnabled(m_edit->isEnabled());
        if (entry->families.size() > 1)
            fillSizeMenu(*menu.addMenu(m_size->text()));
        if (m_entries.screens.size() > 1)
            fillMoveMenu(*menu.addMenu(m_move->text()));
        menu.addAction(m_remove->text(), m_remove, &QPushButton::click);
        const QRect row = m_list->visualItemRect(m_list->currentItem());
        // From the keyboard, the first item is highlighted as the menu opens, for screen readers.
        if (context->reason() != QContextMenuEvent::Mouse)
            QTimer::singleShot(0, &menu, [&menu] { menu.setActiveAction(menu.actions().value(0)); });
        menu.exec(context->reason() == QContextMenuEvent::Mouse
                ? context->globalPos()
                : m_list->viewport()->mapToGlobal(row.center()));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace quillon::widgethost
