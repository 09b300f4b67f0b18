#include "application.h"

#include "configstore.h"
#include "dialogprovider.h"
#include "mainwindow.h"

using namespace Qt::StringLiterals;

Application::Application(ConfigStore &config, DialogProvider &dialogs, QObject *parent)
    : QObject(parent), m_config(config), m_dialogs(dialogs)
{
}

Application::~Application() = default;

void Application::start()
{
    switch (m_config.initconfig(QString::fromLatin1(settingsName))) {
    case ConfigStore::LoadResult::DirectoryMissing:
        m_dialogs.showMessage(u"config directory missing"_s);
        break;
    case ConfigStore::LoadResult::FileMissing:
        m_dialogs.showMessage(u"config file missing"_s);
        break;
    case ConfigStore::LoadResult::Loaded:
        break;
    }
    main().show();
}

MainWindow &Application::main()
{
    if (!m_main) {
        m_main = std::make_unique<MainWindow>(m_config);
        connect(m_main.get(), &MainWindow::quitRequested, this, &Application::quitRequested);
        m_main->Event_Open();
    }
    return *m_main;
}

void Application::reportOutOfRange()
{
    m_dialogs.showMessage(u"An OutOfBounds Exception error has occurred!"_s);
}
