#include "guardedapplication.h"

#include <stdexcept>

GuardedApplication::GuardedApplication(int &argc, char **argv) : QApplication(argc, argv) {}

void GuardedApplication::setOutOfRangeReporter(std::function<void()> reporter)
{
    m_outOfRangeReporter = std::move(reporter);
}

bool GuardedApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::out_of_range &) {
        if (m_outOfRangeReporter)
            m_outOfRangeReporter();
    } catch (...) {
        // Every other error ends only the event that raised it, silently.
    }
    return true;
}
