#include "testworld.h"

#include "guardedapplication.h"
#include "mainwindow.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

GuardedApplication &guardedApplication()
{
    return *static_cast<GuardedApplication *>(QCoreApplication::instance());
}

} // namespace

TestWorld::TestWorld(const QString &settingsFolder)
    : settingsFolder(settingsFolder.isEmpty() ? folder.path() : settingsFolder),
      config(this->settingsFolder)
{
    guardedApplication().setOutOfRangeReporter([this] { application.reportOutOfRange(); });
}

TestWorld::~TestWorld()
{
    guardedApplication().setOutOfRangeReporter({});
}

QString TestWorld::settingsFilePath() const
{
    return QDir(settingsFolder)
        .filePath(QString::fromLatin1(Application::settingsName) + u".ini"_s);
}

void TestWorld::writeSettingsFile(const QStringList &lines) const
{
    QFile file(settingsFilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    for (const QString &line : lines)
        file.write(line.toUtf8() + '\n');
}

QStringList TestWorld::settingsFileLines() const
{
    QFile file(settingsFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString content = QString::fromUtf8(file.readAll());
    if (content.endsWith(u'\n'))
        content.chop(1);
    return content.split(u'\n');
}

MainWindow &TestWorld::start()
{
    application.start();
    MainWindow &window = application.main();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    return window;
}
