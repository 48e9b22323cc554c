#include "platform/events.h"

#include <QCoreApplication>

namespace tumbrix {

void process_pending_events() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

}  // namespace tumbrix
