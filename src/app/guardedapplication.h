#pragma once

#include <QApplication>

#include <functional>

// The application-wide handler of exceptions that escape an event: the event ends
// there and the program goes on. Out-of-range errors are reported first.
class GuardedApplication final : public QApplication
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GuardedApplication)

public:
    GuardedApplication(int &argc, char **argv);

    void setOutOfRangeReporter(std::function<void()> reporter);

    bool notify(QObject *receiver, QEvent *event) override;

private:
    std::function<void()> m_outOfRangeReporter;
};
