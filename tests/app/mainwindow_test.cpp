#include "mainwindow.h"
#include "stemtablemodel.h"
#include "testworld.h"
#include "v2view.h"
#include "zrlistbox.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

QAction *findAction(MainWindow &window, const QString &name)
{
    return window.findChild<QAction *>(name);
}

TEST(MainWindow, FirstStartShowsTheMessageAndDefaults)
{
    TestWorld world;
    MainWindow &window = world.start();

    EXPECT_EQ(world.dialogs.messages, QStringList{u"config file missing"_s});
    EXPECT_EQ(window.windowTitle(), u"VAZero-Ruv/Ovi"_s);
    EXPECT_EQ(window.size(), QSize(1201, 421));
    EXPECT_EQ(window.minimumSize(), QSize(64, 64));
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(window.vk1x2().isChecked());
    EXPECT_FALSE(window.showAll().isChecked());
    EXPECT_EQ(window.stemTable().rowCount(), 0);

    ZrListBox &table = window.lbstem();
    for (int column : {StemTableModel::t_vk2, StemTableModel::t_index, StemTableModel::t_tracks})
        EXPECT_TRUE(table.isColumnHidden(column)) << column;
    EXPECT_EQ(table.columnWidth(StemTableModel::t_desc), 130);
    EXPECT_EQ(table.columnWidth(StemTableModel::t_vk1), 70);
    EXPECT_TRUE(table.horizontalHeader()->isVisible());
    EXPECT_TRUE(table.showGrid());
}

TEST(MainWindow, RestoresStoredGeometryAndTwoUnits)
{
    TestWorld world;
    world.writeSettingsFile({u"main_left"_s, u"100"_s, u"main_top"_s, u"12"_s, u"main_width"_s,
                             u"900"_s, u"main_height"_s, u"500"_s, u"VK1X2"_s, u"True"_s});
    MainWindow &window = world.start();

    EXPECT_TRUE(world.dialogs.messages.isEmpty());
    EXPECT_EQ(window.pos(), QPoint(100, 30));
    EXPECT_EQ(window.size(), QSize(900, 500));
    EXPECT_TRUE(window.vk1x2().isChecked());
    EXPECT_FALSE(window.lbstem().isColumnHidden(StemTableModel::t_vk2));
    EXPECT_TRUE(window.lbstem().isColumnHidden(StemTableModel::t_index));
}

TEST(MainWindow, StoresMovesAndResizes)
{
    TestWorld world;
    MainWindow &window = world.start();

    window.move(200, 150);
    window.resize(800, 400);
    QCoreApplication::processEvents();
    EXPECT_EQ(world.config.getint(u"main_left"_s), 200);
    EXPECT_EQ(world.config.getint(u"main_top"_s), 150);
    EXPECT_EQ(world.config.getint(u"main_width"_s), 800);
    EXPECT_EQ(world.config.getint(u"main_height"_s), 400);

    window.move(50, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(world.config.getint(u"main_left"_s), 200) << "a move to the top edge is ignored";

    const QStringList lines = world.settingsFileLines();
    ASSERT_EQ(lines.size(), ConfigStore::entryCount);
    EXPECT_TRUE(lines.contains(u"main_height"_s));
}

TEST(MainWindow, WidthSwitchesShowColumnsAndOnlyTwoUnitsIsStored)
{
    TestWorld world;
    MainWindow &window = world.start();
    ZrListBox &table = window.lbstem();

    window.vk1x2().click();
    EXPECT_EQ(world.config.getstring(u"vk1x2"_s), u"true"_s);
    EXPECT_FALSE(table.isColumnHidden(StemTableModel::t_vk2));
    EXPECT_TRUE(table.isColumnHidden(StemTableModel::t_tracks));

    window.showAll().click();
    for (int column = 0; column < StemTableModel::visibleColumnCount; ++column)
        EXPECT_FALSE(table.isColumnHidden(column)) << column;
    EXPECT_EQ(table.columnWidth(StemTableModel::t_tracks), 70);

    window.vk1x2().click();
    EXPECT_FALSE(table.isColumnHidden(StemTableModel::t_vk2)) << "show all wins";
    EXPECT_EQ(world.config.getstring(u"vk1x2"_s), u"false"_s);
    world.config.findconfig(u"showall"_s);
    EXPECT_FALSE(world.config.cfound());
}

TEST(MainWindow, HiddenColumnsKeepTheirValues)
{
    TestWorld world;
    MainWindow &window = world.start();
    StemTableModel &table = window.stemTable();
    table.Rowadd(u"Dialogue Stem\tDx\tStem 1\tStem 2\t2\tL,R\tStereo\t2\t1\t\t\tO/P#1\t"_s);

    ASSERT_TRUE(window.lbstem().isColumnHidden(StemTableModel::t_vk2));
    EXPECT_EQ(table.cell(0, StemTableModel::t_vk2), u"Stem 2"_s);
    EXPECT_EQ(table.getrow(0).split(u'\t').at(StemTableModel::t_tracks), u"L,R"_s);
}

TEST(MainWindow, HeadingClicksLeaveTheRowOrder)
{
    TestWorld world;
    MainWindow &window = world.start();
    StemTableModel &table = window.stemTable();
    for (const QString &name : {u"Mx"_s, u"Dx"_s, u"Fx"_s})
        table.setCell(table.appendRow(), StemTableModel::t_name, name);

    QHeaderView *header = window.lbstem().horizontalHeader();
    const int x = header->sectionViewportPosition(StemTableModel::t_name) + 5;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));

    EXPECT_EQ(table.cell(0, StemTableModel::t_name), u"Mx"_s);
    EXPECT_EQ(table.cell(2, StemTableModel::t_name), u"Fx"_s);
}

TEST(MainWindow, HasTheThreeMenusWithStandardShortcuts)
{
    TestWorld world;
    MainWindow &window = world.start();

    QStringList menus;
    for (QAction *menu : window.menuBar()->actions())
        menus.append(menu->text());
    EXPECT_EQ(menus, (QStringList{u"&File"_s, u"&Edit"_s, u"view"_s}));

    const struct
    {
        QString name;
        QString caption;
        QKeySequence shortcut;
    } items[] = {
        {u"FileQuit"_s, u"&Quit"_s, QKeySequence(u"Ctrl+Q"_s)},
        {u"EditUndo"_s, u"&Undo"_s, QKeySequence(QKeySequence::Undo)},
        {u"EditCut"_s, u"Cu&t"_s, QKeySequence(QKeySequence::Cut)},
        {u"EditCopy"_s, u"&Copy"_s, QKeySequence(QKeySequence::Copy)},
        {u"EditPaste"_s, u"&Paste"_s, QKeySequence(QKeySequence::Paste)},
        {u"EditClear"_s, u"&Delete"_s, QKeySequence()},
        {u"EditSelectAll"_s, u"Select &All"_s, QKeySequence(QKeySequence::SelectAll)},
        {u"viewCommPort"_s, u"Comm Port"_s, QKeySequence()},
        {u"viewV2Cmds"_s, u"V2 Cmds"_s, QKeySequence()},
    };
    for (const auto &item : items) {
        QAction *action = findAction(window, item.name);
        ASSERT_NE(action, nullptr) << item.name.toStdString();
        EXPECT_EQ(action->text(), item.caption);
        EXPECT_EQ(action->shortcut(), item.shortcut) << item.name.toStdString();
    }
}

TEST(MainWindow, QuitAndTheCloseBoxBothEndTheProgram)
{
    TestWorld world;
    MainWindow &window = world.start();
    QSignalSpy quit(&world.application, &Application::quitRequested);

    findAction(window, u"FileQuit"_s)->trigger();
    EXPECT_EQ(quit.count(), 1);
    window.close();
    EXPECT_EQ(quit.count(), 2);
}

TEST(MainWindow, EditCommandsActOnTheFocusedField)
{
    TestWorld world;
    MainWindow &window = world.start();
    auto *field = new QLineEdit(u"stem name"_s, window.centralWidget());
    field->show();
    window.activateWindow();
    field->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return field->hasFocus(); }));

    findAction(window, u"EditSelectAll"_s)->trigger();
    EXPECT_EQ(field->selectedText(), u"stem name"_s);
    findAction(window, u"EditClear"_s)->trigger();
    EXPECT_EQ(field->text(), QString());
    findAction(window, u"EditUndo"_s)->trigger();
    EXPECT_EQ(field->text(), u"stem name"_s);
}

TEST(MainWindow, OutOfRangeInAControlIsReportedAndTheWindowGoesOn)
{
    TestWorld world;
    MainWindow &window = world.start();
    auto *broken = new QPushButton(u"Broken"_s, window.centralWidget());
    QObject::connect(broken, &QPushButton::clicked,
                     [&window] { window.stemTable().cell(5, StemTableModel::t_name); });
    broken->show();

    QTest::mouseClick(broken, Qt::LeftButton);
    EXPECT_EQ(world.dialogs.messages.count(u"An OutOfBounds Exception error has occurred!"_s), 1);

    window.showAll().click();
    EXPECT_TRUE(window.showAll().isChecked());
}

TEST(MainWindow, EveryControlHasAnAccessibleName)
{
    TestWorld world;
    MainWindow &window = world.start();
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        const bool isControl = qobject_cast<QAbstractButton *>(widget) ||
                               qobject_cast<QLineEdit *>(widget) ||
                               qobject_cast<QAbstractItemView *>(widget);
        if (!isControl || !widget->isVisible())
            continue;
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(accessible, nullptr);
        EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty())
            << widget->metaObject()->className() << ' ' << widget->objectName().toStdString();
    }
}

TEST(MainWindow, ViewCommsAndV2CmdsBringUpTheTrafficMonitor)
{
    TestWorld world;
    MainWindow &window = world.start();
    world.application.deviceProtocol().parsev2(QByteArray::fromHex("100111"));
    EXPECT_EQ(world.application.trafficMonitor().lines().rowCount(), 0) << "hidden: not logged";

    QTest::mouseClick(&window.kv2view(), Qt::LeftButton);
    V2View &monitor = world.application.v2view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&monitor));
    EXPECT_EQ(monitor.windowTitle(), u"Communications View"_s);
    world.application.deviceProtocol().parsev2(QByteArray::fromHex("100111"));
    EXPECT_EQ(world.application.trafficMonitor().lines().line(0), u"Rx-10 01 11 "_s);

    monitor.hide();
    findAction(window, u"viewV2Cmds"_s)->trigger();
    EXPECT_TRUE(monitor.isVisible());
    EXPECT_EQ(&world.application.v2view(), &monitor);
}

TEST(MainWindow, EachWorldBuildsItsOwnWindow)
{
    TestWorld first;
    TestWorld second;
    EXPECT_NE(&first.start(), &second.start());
    EXPECT_EQ(&first.application.main(), &first.application.main());
}

} // namespace
