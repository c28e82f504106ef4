// The gallery's window, its pictures and its Add buttons. Its texts keep the host's translation
// context: the gallery was the host's window before it had a program of its own, and the
// catalogues hold its translations under that name.
#include "widgethost/settings/widget_gallery.h"

#include "platform/calendar/instant.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace quillon::widgethost {
namespace {

// The button under a size's picture: one text per size, as a language may word each its own way.
QString addButtonText(WidgetFamily family)
{
    switch (family) {
    case WidgetFamily::systemSmall:
        //: The gallery's button that adds the widget at its small size
        return QCoreApplication::translate("quillon::widgethost::WidgetHost", "Add Small");
    case WidgetFamily::systemLarge:
        //: The gallery's button that adds the widget at its large size
        return QCoreApplication::translate("quillon::widgethost::WidgetHost", "Add Large");
    case WidgetFamily::systemExtraLarge:
        //: The gallery's button that adds the widget at its extra large size
        return QCoreApplication::translate("quillon::widgethost::WidgetHost", "Add Extra Large");
    case WidgetFamily::systemMedium:
    case WidgetFamily::other:
        break;
    }
    //: The gallery's button that adds the widget at its medium size
    return QCoreApplication::translate("quillon::widgethost::WidgetHost", "Add Medium");
}

} // namespace

WidgetGallery::WidgetGallery(const std::vector<LoadedPlugin>& plugins, QWidget* parent)
    : QMainWindow(parent)
{
    //: The gallery's title: the widgets there are added to the desktop
    setWindowTitle(QCoreApplication::translate("quillon::widgethost::WidgetHost", "Edit Widgets"));
    m_list = new QScrollArea;
    m_list->setFrameShape(QFrame::NoFrame);
    // Tab goes through the buttons, and the list scrolls to each.
    m_list->setFocusPolicy(Qt::NoFocus);
    setCentralWidget(m_list);
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    m_note = new QLabel;
    m_note->setObjectName("galleryNote");
    m_note->setWordWrap(true);
    m_note->setTextFormat(Qt::PlainText);
    m_note->setTextInteractionFlags(Qt::TextSelectableByMouse);
    //: The gallery's note, for screen readers: what the last Add did, or what stands in the way
    m_note->setAccessibleName(QCoreApplication::translate("quillon::widgethost::WidgetHost", "Status"));
    m_note->hide();
    column->addWidget(m_note);
    m_placed = new PlacedWidgetsPanel;
    column->addWidget(m_placed);
    column->addSpacing(14);
    for (const LoadedPlugin& plugin : plugins) {
        for (const WidgetDescription& widget : plugin.widgets)
            addEntry(*column, plugin, widget);
    }
    column->addStretch();
    m_list->setWidget(content);
    m_list->setWidgetResizable(true);
}

void WidgetGallery::addEntry(QVBoxLayout& column, const LoadedPlugin& plugin, const WidgetDescription& widget)
{
    auto* title = new QLabel("<b>" + QString::fromStdString(widget.displayName).toHtmlEscaped() + "</b>");
    auto* about = new QLabel(QString::fromStdString(widget.description));
    about->setWordWrap(true);
    column.addWidget(title);
    column.addWidget(about);
    // Each size as it would look, with its button under it.
    auto* row = new QHBoxLayout;
    for (WidgetFamily family : widget.families) {
        auto* cell = new QVBoxLayout;
        auto* picture = new QLabel;
        //: A size's picture in the gallery, for screen readers: the widget's name, then the size.
        picture->setAccessibleName(
            QCoreApplication::translate("quillon::widgethost::WidgetHost", "%1, %2")
                .arg(QString::fromStdString(widget.displayName), familyDisplayTitle(family)));
        m_previews.push_back({picture, plugin.plugin, widget.kind, family});
        auto* add = new QPushButton(addButtonText(family));
        // Return presses the button with the keyboard, as in a dialog.
        add->setAutoDefault(true);
        // "Add Medium" alone would not say which widget it adds.
        add->setAccessibleDescription(picture->accessibleName());
        connect(add, &QPushButton::clicked, this,
            [this, kind = widget.kind, family] { emit addRequested(kind, family); });
        cell->addWidget(picture, 0, Qt::AlignBottom | Qt::AlignHCenter);
        cell->addWidget(add, 0, Qt::AlignHCenter);
        row->addLayout(cell);
    }
    row->addStretch();
    column.addLayout(row);
    column.addSpacing(14);
}

void WidgetGallery::present()
{
    drawPreviews();
    if (!m_sized) {
        // As wide as the widest row once the pictures are in, which longer words in other languages
        // widen too: it scrolls down only. The layout is asked anew: the pictures have just come.
        m_list->widget()->layout()->activate();
        const int rows = m_list->widget()->minimumSizeHint().width()
            + m_list->verticalScrollBar()->sizeHint().width() + 2 * m_list->frameWidth();
        resize(std::max(640, rows), 660);
        m_sized = true;
    }
    show();
    raise();
    activateWindow();
}

void WidgetGallery::setNote(const QString& text)
{
    m_note->setText(text);
    m_note->setVisible(!text.isEmpty());
}

QString WidgetGallery::note() const
{
    return m_note->text();
}

void WidgetGallery::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

void WidgetGallery::drawPreviews()
{
    constexpr double kScale = 0.35;
    const double ratio = devicePixelRatioF();
    for (const Preview& preview : m_previews) {
        const QSizeF size = familyPointSize(preview.family);
        const TimelineEntry entry
            = preview.plugin->snapshot(preview.kind, "{}", {Instant::now().secondsSinceReferenceDate});
        const Face face = preview.plugin->content(preview.kind, entry, preview.family);
        QPixmap picture((size * kScale * ratio).toSize());
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        // The face is laid out at its real size and shrunk as a whole, as a screen's scale would.
        painter.scale(kScale, kScale);
        const QRectF area(QPointF(0, 0), size);
        QPainterPath shape;
        shape.addRoundedRect(area, kWidgetCornerRadius, kWidgetCornerRadius);
        painter.setClipPath(shape);
        painter.fillRect(area, face.containerBackground);
        if (face.paint)
            face.paint(painter, area);
        painter.end();
        preview.label->setPixmap(picture);
    }
}

} // namespace quillon::widgethost
