#pragma once

#include "application.h"
#include "configstore.h"
#include "manualtickclock.h"
#include "scripteddialogs.h"

#include <QTemporaryDir>

class MainWindow;

// A fresh program for one test: its own settings folder, scripted dialogs, a tick
// clock moved by hand, and the application object with the out-of-range report
// wired as in the real program.
class TestWorld
{
public:
    // A world that finds its settings in `settingsFolder`, such as an earlier world's;
    // by default a new temporary folder.
    explicit TestWorld(const QString &settingsFolder = {});
    ~TestWorld();

    // Writes the settings file that start() will find.
    void writeSettingsFile(const QStringList &lines) const;
    QStringList settingsFileLines() const;
    QString settingsFilePath() const;

    // Runs the start-up: settings, then the main window.
    MainWindow &start();

    QTemporaryDir folder;
    QString settingsFolder;
    ScriptedDialogs dialogs;
    ManualTickClock clock;
    ConfigStore config;
    QTemporaryDir documents;
    Application application{config, dialogs, documents.path()};
};
