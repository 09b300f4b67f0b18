#include "mainwindow.h"

#include "configstore.h"
#include "mainwindowplacement.h"
#include "stemtablemodel.h"
#include "zrlistbox.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const auto windowName = u"main"_s;

// The Edit commands act on whichever text field has the focus; the fields' own
// slots carry the platform's standard behaviour.
void editFocusedText(const char *slot)
{
    QWidget *focus = QApplication::focusWidget();
    if (auto *combo = qobject_cast<QComboBox *>(focus))
        focus = combo->lineEdit();
    if (focus)
        QMetaObject::invokeMethod(focus, slot);
}

void deleteInFocusedText()
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus)
        return;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Delete, Qt::NoModifier);
    QApplication::sendEvent(focus, &press);
    QApplication::sendEvent(focus, &release);
}

} // namespace

MainWindow::MainWindow(ConfigStore &config, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      m_config(config), m_stemTable(new StemTableModel(this))
{
    setObjectName(windowName);
    setWindowTitle(u"VAZero-Ruv/Ovi"_s);
    setMinimumSize(64, 64);
    resize(defaultWidth, defaultHeight);
    buildMenus();

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(buildTopGroups());

    m_lbstem = new ZrListBox(central);
    m_lbstem->setObjectName(u"lbstem"_s);
    m_lbstem->setAccessibleName(u"Stem table"_s);
    m_lbstem->horizontalHeader()->setAccessibleName(u"Stem table headings"_s);
    m_lbstem->setModel(m_stemTable);
    layout->addWidget(m_lbstem, 1);
    setCentralWidget(central);

    Setwidths();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus()
{
    QMenu *fileMenu = menuBar()->addMenu(u"&File"_s);
    fileMenu->setObjectName(u"FileMenu"_s);
    QAction *quit = fileMenu->addAction(u"&Quit"_s, this, &MainWindow::quitRequested);
    quit->setObjectName(u"FileQuit"_s);
    // Some platforms bind no key to Quit; Ctrl+Q is Cmd+Q on a Mac.
    const QList<QKeySequence> quitKeys = QKeySequence::keyBindings(QKeySequence::Quit);
    quit->setShortcuts(quitKeys.isEmpty() ? QList{QKeySequence(Qt::CTRL | Qt::Key_Q)} : quitKeys);
    quit->setMenuRole(QAction::QuitRole);

    QMenu *editMenu = menuBar()->addMenu(u"&Edit"_s);
    editMenu->setObjectName(u"EditMenu"_s);
    const auto addEdit = [editMenu](const QString &caption, const QString &name,
                                    QKeySequence::StandardKey key, auto command) {
        QAction *action = editMenu->addAction(caption, command);
        action->setObjectName(name);
        if (key != QKeySequence::UnknownKey)
            action->setShortcut(key);
    };
    addEdit(u"&Undo"_s, u"EditUndo"_s, QKeySequence::Undo, [] { editFocusedText("undo"); });
    editMenu->addSeparator();
    addEdit(u"Cu&t"_s, u"EditCut"_s, QKeySequence::Cut, [] { editFocusedText("cut"); });
    addEdit(u"&Copy"_s, u"EditCopy"_s, QKeySequence::Copy, [] { editFocusedText("copy"); });
    addEdit(u"&Paste"_s, u"EditPaste"_s, QKeySequence::Paste, [] { editFocusedText("paste"); });
    addEdit(u"&Delete"_s, u"EditClear"_s, QKeySequence::UnknownKey, &deleteInFocusedText);
    editMenu->addSeparator();
    addEdit(u"Select &All"_s, u"EditSelectAll"_s, QKeySequence::SelectAll,
            [] { editFocusedText("selectAll"); });

    QMenu *viewMenu = menuBar()->addMenu(u"view"_s);
    viewMenu->setObjectName(u"viewMenu"_s);
    // The windows these show are not part of the program yet.
    m_viewCommPort = viewMenu->addAction(u"Comm Port"_s);
    m_viewCommPort->setObjectName(u"viewCommPort"_s);
    m_viewCommPort->setEnabled(false);
    m_viewV2Cmds = viewMenu->addAction(u"V2 Cmds"_s);
    m_viewV2Cmds->setObjectName(u"viewV2Cmds"_s);
    m_viewV2Cmds->setEnabled(false);
}

QWidget *MainWindow::buildTopGroups()
{
    auto *row = new QWidget;
    auto *rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);

    auto *commsTest = new QGroupBox(u"Communcations Test "_s, row);
    auto *commsLayout = new QHBoxLayout(commsTest);
    m_showAll = new QCheckBox(u"show all"_s, commsTest);
    m_showAll->setObjectName(u"showall"_s);
    commsLayout->addWidget(m_showAll);
    rowLayout->addWidget(commsTest);
    connect(m_showAll, &QCheckBox::toggled, this, &MainWindow::Setwidths);

    auto *units = new QGroupBox(u"VK-1/2/3"_s, row);
    auto *unitsLayout = new QHBoxLayout(units);
    m_vk1x2 = new QCheckBox(u"Two VK-1/2/3's"_s, units);
    m_vk1x2->setObjectName(u"vk1x2"_s);
    unitsLayout->addWidget(m_vk1x2);
    rowLayout->addWidget(units);
    connect(m_vk1x2, &QCheckBox::toggled, this, &MainWindow::vk1x2_Action);

    rowLayout->addStretch(1);
    return row;
}

void MainWindow::Event_Open()
{
    QPoint position = pos();
    m_config.getwindowpoz(position, windowName);
    move(position);
    QSize size = this->size();
    m_config.getwindowsize(size, windowName);
    resize(size);

    m_vk1x2->setChecked(m_config.getbool(u"vk1x2"_s));
    Setwidths();
    m_opened = true;
}

void MainWindow::Setwidths()
{
    m_lbstem->setColumnWidths(
        StemTableModel::columnWidths(m_showAll->isChecked(), m_vk1x2->isChecked()));
}

void MainWindow::vk1x2_Action()
{
    m_config.putbool(u"vk1x2"_s, m_vk1x2->isChecked());
    Setwidths();
}

void MainWindow::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    if (m_opened)
        Event_Moved();
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (m_opened)
        Event_Resized();
}

void MainWindow::Event_Moved()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    const int availableTop =
        screens.isEmpty() ? 0 : screens.constFirst()->availableGeometry().top();
    const std::optional<QPoint> kept =
        MainWindowPlacement::positionAfterMove(pos(), int(screens.size()), availableTop);
    if (!kept)
        return;
    if (*kept != pos())
        move(*kept);
    m_config.putwindowpoz(*kept, windowName);
}

void MainWindow::Event_Resized()
{
    m_config.putwindowsize(size(), windowName);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit quitRequested();
}
