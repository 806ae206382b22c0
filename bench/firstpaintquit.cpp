// Linked into the start-up probes, beside an unchanged main(): once the first window has been
// painted and put on the screen, reports the process's resident memory on stdout and quits.
#include "residentmemory.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>

namespace {

class FirstPaintQuit : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!quitting && event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->isWindow()) {
            quitting = true;
            // Queued: the rest of the window paints and reaches the screen in the same pass,
            // before the event loop turns again and runs this.
            QMetaObject::invokeMethod(
                    QCoreApplication::instance(),
                    [] {
                        std::printf("rss-after-first-paint-kib %ld\n", residentKib());
                        std::fflush(stdout);
                        QCoreApplication::quit();
                    },
                    Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool quitting = false;
};

void installFirstPaintQuit()
{
    QCoreApplication::instance()->installEventFilter(
            new FirstPaintQuit(QCoreApplication::instance()));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installFirstPaintQuit)
