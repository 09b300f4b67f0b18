#include "application.h"
#include "configstore.h"
#include "guardedapplication.h"
#include "mainwindow.h"
#include "widgetdialogprovider.h"

#include <QStandardPaths>

int main(int argc, char *argv[])
{
    GuardedApplication qtApplication(argc, argv);
    qtApplication.setApplicationName(QStringLiteral("vk-layout"));

    ConfigStore config;
    WidgetDialogProvider dialogs;
    Application application(config, dialogs,
                            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    qtApplication.setOutOfRangeReporter([&application] { application.reportOutOfRange(); });
    QObject::connect(&application, &Application::quitRequested, &qtApplication,
                     &QCoreApplication::quit, Qt::QueuedConnection);

    application.start();
    dialogs.setParentWindow(&application.main());
    return qtApplication.exec();
}
