// The gallery: every widget of every plug-in with its name and description, and each of its sizes
// as it looks today with an Add button, under a note of what stands in the way of the widgets and
// what the last Add came to, and the list of the widgets placed.
#pragma once

#include "widgethost/core/loaded_plugins.h"
#include "widgethost/settings/placed_widgets_panel.h"

#include <QMainWindow>

#include <string>
#include <vector>

class QLabel;
class QScrollArea;
class QVBoxLayout;

namespace quillon::widgethost {

// A window of its own around the scrolling list, so that screen readers know it as a window.
class WidgetGallery final : public QMainWindow {
    Q_OBJECT

public:
    // The plug-ins must outlive the gallery: it draws their pictures each time it is presented.
    explicit WidgetGallery(const std::vector<LoadedPlugin>& plugins, QWidget* parent = nullptr);

    // Draws the pictures again, so that they show today's settings, and shows the window in front.
    void present();
    // The note at the top; hidden while empty.
    void setNote(const QString& text);
    QString note() const;
    // The widgets placed, which the host lists.
    PlacedWidgetsPanel& placedWidgets() const { return *m_placed; }

signals:
    // An Add button was pressed: a widget of that kind at that size is wanted on the desktop.
    void addRequested(const std::string& kind, WidgetFamily family);
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // A widget's name and description, then each of its sizes as it looks with its Add button.
    void addEntry(QVBoxLayout& column, const LoadedPlugin& plugin, const WidgetDescription& widget);
    void drawPreviews();

    QScrollArea* m_list = nullptr;
    QLabel* m_note = nullptr;
    PlacedWidgetsPanel* m_placed = nullptr;
    struct Preview {
        QLabel* label;
        const WidgetPlugin* plugin;
        std::string kind;
        WidgetFamily family;
    };
    std::vector<Preview> m_previews;
    bool m_sized = false;
};

} // namespace quillon::widgethost
