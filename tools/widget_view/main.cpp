// quillon-widget-view: the viewer of widget plug-ins on its own, the same as quillon-widgets with
// --list, --timeline, --snapshot or --entities.
#include "widgethost/viewer/widget_viewer.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    return quillon::widgethost::runWidgetViewer(QCoreApplication::arguments());
}
