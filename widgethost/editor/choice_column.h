// A scrollable column of check boxes, or of radio buttons, to choose entries from: what screen
// readers read right and the keyboard drives as a list. Not an item view: over AT-SPI, Qt tells
// neither that a row is checkable nor when its check changes, and counts the rows a search hides.
#pragma once

#include <QPoint>
#include <QPointer>
#include <QScrollArea>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

class QAbstractButton;
class QKeyEvent;
class QLineEdit;
class QVBoxLayout;

namespace quillon::widgethost {

class ChoiceColumn final : public QScrollArea {
    Q_OBJECT

public:
    // Any number of entries, each a check box; or one, the entries being radio buttons.
    enum class Choosing { many, one };

    struct Entry {
        QString id;
        QString label;
        QString toolTip;
    };

    // `name` is what screen readers call the column, such as "Cities".
    ChoiceColumn(Choosing choosing, const QString& name, QWidget* parent = nullptr);

    // Adds the entries whose ids the column does not hold yet, after the others and not chosen.
    // A column of one choice always has one chosen: its first entry while no other is.
    void addEntries(const std::vector<Entry>& entries);
    // Makes these the chosen entries (of one choice, the first of them the column holds). Not a
    // change by the user: no choiceChanged.
    void choose(const QStringList& ids);
    // In the column's order, hidden entries included.
    QStringList chosenIds() const;

    // Shows the entries `shows` accepts; the others keep their choice out of sight. A hidden entry
    // has no button at all, since screen readers count a hidden child among the column's.
    void filter(const std::function<bool(const Entry&)>& shows);
    void showAll();

    // The field whose text filters the column: Down goes from it to the first entry shown, Up from
    // that entry back to it, and Tab from it into the column.
    void setSearchField(QLineEdit* search);

signals:
    // After the user checks, unchecks or moves an entry.
    void choiceChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Item {
        Entry entry;
        bool chosen = false;
        bool shown = true;
        QAbstractButton* button = nullptr; // none while hidden
    };

    std::vector<Item>::iterator itemWith(const QString& id);
    std::vector<std::size_t> shownIndices() const;
    QAbstractButton* makeButton(const Item& item);
    // Acts on an event of the search field, an entry or the widget holding the entries; true when
    // the event goes no further.
    bool takesEvent(QObject* watched, QEvent* event);
    void relayout();
    void syncButtons();
    QAbstractButton* tabStop() const;
    void applyTabStop();
    void buttonToggled(const QString& id, bool checked);
    bool buttonKeyPressed(std::size_t index, const QKeyEvent& key);
    void goTo(std::size_t index);
    void moveItem(std::size_t from, std::size_t to);
    void dragItem(std::size_t index);
    void dropItem(std::size_t from, int y);
    bool contentEvent(QEvent* event);

    Choosing m_choosing;
    std::vector<Item> m_items;
    QWidget* m_content = nullptr;
    QVBoxLayout* m_layout = nullptr;
    QPointer<QLineEdit> m_search;
    std::optional<QString> m_focusedId; // of the entry the keyboard was in last
    std::optional<QString> m_pressedId; // of the entry a press with the mouse may drag
    QPoint m_pressPoint;
};

} // namespace quillon::widgethost
