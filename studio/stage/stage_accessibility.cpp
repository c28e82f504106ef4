// The card as static text; the size picker's segments as page tabs.
#include "studio/stage/stage_accessibility.h"

#include "names/display_names.h"
#include "platform/accessibility/read_only_text.h"
#include "studio/stage/control_bar.h"
#include "studio/stage/stage_view.h"

#include <QAccessibleWidget>

namespace quillon {
namespace {

// One segment of the size picker.
class SizeSegmentInterface final : public QAccessibleInterface {
public:
    SizeSegmentInterface(SizePicker& picker, std::size_t index)
        : m_picker(&picker)
        , m_index(index)
    {
    }

    bool isValid() const override { return m_picker && m_index < m_picker->sizes().size(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_picker ? m_picker->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_picker); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    void setText(QAccessible::Text, const QString&) override { }

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name || !isValid())
            return {};
        return displayName(m_picker->sizes()[m_index]);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.selectable = true;
        state.focusable = true;
        state.selected = isValid() && m_picker->selected() == m_index;
        // The keyboard is on the selected segment while the picker has it.
        state.focused = state.selected && m_picker->hasFocus();
        state.invisible = !m_picker || !m_picker->isVisible();
        return state;
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect local = m_picker->segmentGeometry(m_index);
        return QRect(m_picker->mapToGlobal(local.topLeft()), local.size());
    }

private:
    QPointer<SizePicker> m_picker;
    std::size_t m_index;
};

// The picker: a tab list whose children are the segments, made once each and kept by Qt's cache.
class SizePickerInterface final : public QAccessibleWidget {
public:
    explicit SizePickerInterface(SizePicker* picker)
        : QAccessibleWidget(picker, QAccessible::PageTabList)
    {
    }

    int childCount() const override { return static_cast<int>(picker()->sizes().size()); }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        while (m_segments.size() < static_cast<std::size_t>(childCount())) {
            auto* segment = new SizeSegmentInterface(*picker(), m_segments.size());
            m_segments.push_back(QAccessible::registerAccessibleInterface(segment));
        }
        return QAccessible::accessibleInterface(m_segments[static_cast<std::size_t>(index)]);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int index = 0; index < childCount(); ++index) {
            if (this->child(index) == child)
                return index;
        }
        return -1;
    }

    ~SizePickerInterface() override
    {
        for (QAccessible::Id id : m_segments)
            QAccessible::deleteAccessibleInterface(id);
    }

private:
    SizePicker* picker() const { return static_cast<SizePicker*>(widget()); }
    mutable std::vector<QAccessible::Id> m_segments;
};

// The card: static text, the display's own, read through the text interface too, so that a change
// of it reaches screen readers as a change of text (a city added, the minute gone by), as a live
// region's does.
class StageInterface final : public QAccessibleWidget, public ReadOnlyTextInterface {
public:
    explicit StageInterface(QWidget* stage)
        : QAccessibleWidget(stage, QAccessible::StaticText)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

protected:
    QString content() const override { return widget()->accessibleName(); }
};

QAccessibleInterface* stageFactory(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == "quillon::StageView")
        return new StageInterface(static_cast<QWidget*>(object));
    if (className == "quillon::SizePicker")
        return new SizePickerInterface(static_cast<SizePicker*>(object));
    return nullptr;
}

} // namespace

void installStageAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(stageFactory);
        return true;
    }();
    (void)installed;
}

} // namespace quillon
