#pragma once

#include <QObject>

#include <memory>

class ConfigStore;
class DialogProvider;
class MainWindow;

// The application object: runs the start-up and owns the windows that exist once per
// run, creating each the first time it is asked for.
class Application final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Application)

public:
    static constexpr auto settingsName = "vk-2";

    Application(ConfigStore &config, DialogProvider &dialogs, QObject *parent = nullptr);
    ~Application() override;

    // Opens the settings, then shows the main window.
    void start();

    MainWindow &main();

    // What the application-wide handler shows for an out-of-range error.
    void reportOutOfRange();

signals:
    void quitRequested();

private:
    ConfigStore &m_config;
    DialogProvider &m_dialogs;
    std::unique_ptr<MainWindow> m_main;
};
