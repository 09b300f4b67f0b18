#pragma once

#include "deviceprotocol.h"
#include "trafficmonitor.h"

#include <QObject>

#include <memory>

class ConfigStore;
class DialogProvider;
class MainWindow;
class V2View;
class WLink;
class WSetFormat;

// The application object: runs the start-up and owns the windows that exist once per
// run, creating each the first time it is asked for.
class Application final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Application)

public:
    static constexpr auto settingsName = "vk-2";

    // Layout files start in `documentsFolder`.
    Application(ConfigStore &config, DialogProvider &dialogs, QString documentsFolder,
                QObject *parent = nullptr);
    ~Application() override;

    // Opens the settings, then shows the main window.
    void start();

    MainWindow &main();
    WSetFormat &wsetformat();
    WLink &wlink();
    V2View &v2view();

    TrafficMonitor &trafficMonitor() { return m_trafficMonitor; }
    DeviceProtocol &deviceProtocol() { return m_deviceProtocol; }

    // Brings up the traffic monitor, creating it on first use.
    void showTrafficMonitor();

    // What the application-wide handler shows for an out-of-range error.
    void reportOutOfRange();

signals:
    void quitRequested();

private:
    ConfigStore &m_config;
    DialogProvider &m_dialogs;
    QString m_documentsFolder;
    TrafficMonitor m_trafficMonitor;
    DeviceProtocol m_deviceProtocol{m_trafficMonitor};
    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<WSetFormat> m_wsetformat;
    std::unique_ptr<WLink> m_wlink;
    std::unique_ptr<V2View> m_v2view;
};
