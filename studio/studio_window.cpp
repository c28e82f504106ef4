// The window: the selected display on a card in the middle, redrawn as the clock ticks.
#include "studio/studio_window.h"

#include "render/dot_painter.h"

#include <QDateTime>
#include <QPainter>
#include <QPainterPath>

namespace quillon {
namespace {

Instant currentInstant()
{
    return Instant::fromUnixSeconds(static_cast<double>(QDateTime::currentMSecsSinceEpoch()) / 1000.0);
}

constexpr double kCardCornerRadius = 22;

} // namespace

StudioWindow::StudioWindow(StateStore& store, TimelineReloader& reloader, QWidget* parent)
    : QWidget(parent), m_model(std::make_unique<StudioModel>(store, reloader, currentInstant()))
{
    setMinimumSize(kMinimumSize);
    resize(kDefaultSize);
    updateTitle();

    const auto redraw = [this] { update(); };
    for (auto changed : {&StudioModel::kindChanged, &StudioModel::sizesChanged, &StudioModel::themeChanged,
                         &StudioModel::use24hChanged, &StudioModel::boardCitiesChanged, &StudioModel::clockCityChanged,
                         &StudioModel::periodChanged, &StudioModel::countdownTitleChanged,
                         &StudioModel::countdownDateChanged, &StudioModel::signTextChanged, &StudioModel::nowChanged})
        connect(m_model.get(), changed, this, redraw);
    connect(m_model.get(), &StudioModel::kindChanged, this, &StudioWindow::updateTitle);
    connect(m_model.get(), &StudioModel::linkOpened, this, &StudioWindow::bringForward);

    m_tick.setInterval(1000);
    connect(&m_tick, &QTimer::timeout, this, [this] { m_model->setNow(currentInstant()); });
    m_tick.start();
}

void StudioWindow::updateTitle()
{
    setWindowTitle(QString::fromUtf8(std::string(title(m_model->state().kind)).c_str()));
}

void StudioWindow::bringForward()
{
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

void StudioWindow::paintEvent(QPaintEvent*)
{
    const StudioState& state = m_model->state();
    const DotTheme& theme = themeTable()[state.theme];
    const DotSize size = m_model->sizeForKind(state.kind);
    const DotSizeF card = widgetPointSize(size);

    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    // The card at the largest scale that leaves a margin around it.
    const double scale = std::min(width() * 0.8 / card.width, height() * 0.8 / card.height);
    const QSizeF cardSize(card.width * scale, card.height * scale);
    const QRectF cardRect(QPointF((width() - cardSize.width()) / 2, (height() - cardSize.height()) / 2), cardSize);
    QPainterPath panel;
    panel.addRoundedRect(cardRect, kCardCornerRadius * scale, kCardCornerRadius * scale);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(panel, toQColor(theme.background));
    painter.translate(cardRect.topLeft());
    painter.scale(scale, scale);
    paintScene(painter, m_model->sceneFor(state.kind, size), theme, theme.isDark, QRectF(0, 0, card.width, card.height));
}

} // namespace quillon
