// Starting the studio once per session and routing links to its window.
#include "studio/vad_uderoz_app.h"

#include "scenes/widget_link.h"

namespace quillon {

VadUderozApp::VadUderozApp() : m_adaptor(new ApplicationAdaptor(this))
{
    connect(m_adaptor, &ApplicationAdaptor::activated, this, [this] {
        if (m_window)
            m_window->bringForward();
    });
    connect(m_adaptor, &ApplicationAdaptor::opened, this, &VadUderozApp::open);
}

VadUderozApp::~VadUderozApp() = default;

bool VadUderozApp::start(const std::optional<std::string>& link)
{
    if (claimSingleInstance(this, m_adaptor, link) == InstanceRole::forwarded)
        return false;
    m_window = std::make_unique<StudioWindow>(m_store, m_reloader);
    m_window->show();
    if (link)
        open({QString::fromStdString(*link)});
    return true;
}

void VadUderozApp::open(const QStringList& links)
{
    if (!m_window)
        return;
    bool taken = false;
    for (const QString& link : links)
        taken = m_window->model().openLink(link.left(static_cast<qsizetype>(kMaxLinkLength) + 1).toStdString()) || taken;
    // Whatever came, the user asked for the studio: bring it forward.
    if (!taken)
        m_window->bringForward();
}

} // namespace quillon
