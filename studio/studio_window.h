// The studio's single window, titled after the selected kind, ticking the model's clock once a
// second.
#pragma once

#include "studio/studio_model.h"

#include <QTimer>
#include <QWidget>

#include <memory>

namespace quillon {

class StudioWindow final : public QWidget {
    Q_OBJECT

public:
    static constexpr QSize kMinimumSize{860, 540};
    static constexpr QSize kDefaultSize{1180, 740};

    // The window's model, made with the store and the reloader; the window owns it.
    StudioWindow(StateStore& store, TimelineReloader& reloader, QWidget* parent = nullptr);

    StudioModel& model() { return *m_model; }

    // Brings the window in front of the others, as opening a link or starting again should.
    void bringForward();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void updateTitle();

    std::unique_ptr<StudioModel> m_model;
    QTimer m_tick;
};

} // namespace quillon
