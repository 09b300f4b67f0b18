#include "application.h"

#include "configstore.h"
#include "dialogprovider.h"
#include "mainwindow.h"
#include "stemslotchooser.h"
#include "trackformats.h"
#include "v2view.h"
#include "wlink.h"
#include "wsetformat.h"

using namespace Qt::StringLiterals;

Application::Application(ConfigStore &config, DialogProvider &dialogs, QString documentsFolder,
                         QObject *parent)
    : QObject(parent), m_config(config), m_dialogs(dialogs),
      m_documentsFolder(std::move(documentsFolder))
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
        m_main = std::make_unique<MainWindow>(m_config, m_dialogs, m_documentsFolder);
        connect(m_main.get(), &MainWindow::quitRequested, this, &Application::quitRequested);
        connect(&m_main->formats(), &TrackFormats::setFormatRequested, this,
                [this](int key, const QString &name, const QString &list) {
                    wsetformat().setformat(key, name, list);
                });
        connect(&m_main->slotChooser(), &StemSlotChooser::popupRequested, this,
                [this](const QString &title) { wlink().showChoice(title); });
        connect(m_main.get(), &MainWindow::trafficMonitorRequested, this,
                &Application::showTrafficMonitor);
        m_main->Event_Open();
    }
    return *m_main;
}

WSetFormat &Application::wsetformat()
{
    if (!m_wsetformat)
        m_wsetformat = std::make_unique<WSetFormat>(main().formats());
    return *m_wsetformat;
}

WLink &Application::wlink()
{
    if (!m_wlink)
        m_wlink = std::make_unique<WLink>(main().slotChooser());
    return *m_wlink;
}

V2View &Application::v2view()
{
    if (!m_v2view)
        m_v2view = std::make_unique<V2View>(m_trafficMonitor);
    return *m_v2view;
}

void Application::showTrafficMonitor()
{
    V2View &window = v2view();
    window.show();
    window.raise();
}

void Application::reportOutOfRange()
{
    m_dialogs.showMessage(u"An OutOfBounds Exception error has occurred!"_s);
}
