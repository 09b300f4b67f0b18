#include "mainwindow.h"

#include "configstore.h"
#include "layoutfiles.h"
#include "mainwindowplacement.h"
#include "stemeditor.h"
#include "stemnamelist.h"
#include "stempanel.h"
#include "stemslotchooser.h"
#include "stemtablemodel.h"
#include "trackformats.h"
#include "zrcombobox.h"
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
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
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

MainWindow::MainWindow(ConfigStore &config, DialogProvider &dialogs, const QString &documentsFolder,
                       QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      m_config(config), m_stemTable(new StemTableModel(this)),
      m_formats(new TrackFormats(config, this)),
      m_stemNames(new StemNameList(config, u"cbstemname"_s, 0, this)),
      m_slotChooser(new StemSlotChooser(*m_stemTable, this)),
      m_editor(new StemEditor(*m_stemTable, *m_formats, *m_stemNames, *m_slotChooser, config,
                              dialogs, this)),
      m_layoutFiles(
          new LayoutFiles(*m_stemTable, *m_editor, config, dialogs, documentsFolder, this))
{
    setObjectName(windowName);
    setWindowTitle(u"VAZero-Ruv/Ovi"_s);
    setMinimumSize(64, 64);
    resize(defaultWidth, defaultHeight);
    buildMenus();

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->addWidget(buildTopGroups());

    auto *work = new QHBoxLayout;
    m_lbstem = new ZrListBox(central);
    m_lbstem->setObjectName(u"lbstem"_s);
    m_lbstem->setAccessibleName(u"Stem table"_s);
    m_lbstem->horizontalHeader()->setAccessibleName(u"Stem table headings"_s);
    m_lbstem->setModel(m_stemTable);
    m_lbstem->setSelectionModel(&m_editor->selection());
    work->addWidget(m_lbstem, 1);
    m_panel = new StemPanel(*m_editor, *m_formats, *m_stemNames, config, central);
    m_panel->setObjectName(u"addModifyStem"_s);
    work->addWidget(m_panel);
    layout->addLayout(work, 1);
    setCentralWidget(central);

    const auto cellClick = [this](const QModelIndex &index) {
        m_editor->lbstem_CellClick(index.row(), index.column());
    };
    connect(m_lbstem, &QAbstractItemView::clicked, m_editor, cellClick);
    connect(m_lbstem, &ZrListBox::cellKeyPressed, m_editor, cellClick);
    connect(m_layoutFiles, &LayoutFiles::loaded, this,
            [this](const QString &fileName) { setWindowTitle(u"ZUVudo  "_s + fileName); });
    connect(m_editor, &StemEditor::changed, this, &MainWindow::showEditorState);

    // The controls open first: format keys, object fields, stem name box, table.
    m_panel->openKeys();
    m_formats->openObjectFields();
    m_stemNames->open();
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
    // The communications window is not part of the program yet.
    m_viewCommPort = viewMenu->addAction(u"Comm Port"_s);
    m_viewCommPort->setObjectName(u"viewCommPort"_s);
    m_viewCommPort->setEnabled(false);
    m_viewV2Cmds = viewMenu->addAction(u"V2 Cmds"_s, this, &MainWindow::trafficMonitorRequested);
    m_viewV2Cmds->setObjectName(u"viewV2Cmds"_s);
}

QWidget *MainWindow::buildTopGroups()
{
    auto *row = new QWidget;
    auto *rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    const auto addGroup = [row, rowLayout](const QString &caption) {
        auto *group = new QGroupBox(caption, row);
        auto *groupLayout = new QHBoxLayout(group);
        groupLayout->setContentsMargins(6, 2, 6, 2);
        rowLayout->addWidget(group);
        return groupLayout;
    };
    const auto addButton = [row](QHBoxLayout *layout, const QString &caption, const QString &name,
                                 const QString &helpTag) {
        auto *button = new QPushButton(caption, row);
        button->setObjectName(name);
        button->setToolTip(helpTag);
        button->setAutoDefault(false);
        layout->addWidget(button);
        return button;
    };
    const auto addCheckBox = [row](QHBoxLayout *layout, const QString &caption,
                                   const QString &name) {
        auto *box = new QCheckBox(caption, row);
        box->setObjectName(name);
        layout->addWidget(box);
        return box;
    };

    QHBoxLayout *clear = addGroup(u"Clear"_s);
    m_kclear = addButton(clear, u"All"_s, u"kclear"_s, QString());
    m_kclearSelected = addButton(clear, u"Selected"_s, u"BevelButton3"_s, QString());
    connect(m_kclear, &QPushButton::clicked, m_editor, &StemEditor::kclear);
    connect(m_kclearSelected, &QPushButton::clicked, m_editor, &StemEditor::clearSelected);

    QHBoxLayout *disk = addGroup(u"Disk"_s);
    m_kload = addButton(disk, u"Load"_s, u"kload"_s, u"Load layout from Disc"_s);
    m_ksave = addButton(disk, u"Save"_s, u"ksave"_s, u"Save layout to disc"_s);
    connect(m_kload, &QPushButton::clicked, m_layoutFiles, &LayoutFiles::kload);
    connect(m_ksave, &QPushButton::clicked, m_layoutFiles, &LayoutFiles::ksave);

    QHBoxLayout *commsTest = addGroup(u"Communcations Test "_s);
    m_kv2view = addButton(commsTest, u"view comms"_s, u"kv2view"_s, QString());
    connect(m_kv2view, &QPushButton::clicked, this, &MainWindow::trafficMonitorRequested);
    m_showAll = addCheckBox(commsTest, u"show all"_s, u"showall"_s);
    connect(m_showAll, &QCheckBox::toggled, this, &MainWindow::Setwidths);

    QHBoxLayout *units = addGroup(u"VK-1/2/3"_s);
    m_vk1x2 = addCheckBox(units, u"Two VK-1/2/3's"_s, u"vk1x2"_s);
    m_cbop2 = addCheckBox(units, u"Two Protools"_s, u"cbop2"_s);
    connect(m_vk1x2, &QCheckBox::toggled, this, &MainWindow::vk1x2_Action);
    connect(m_cbop2, &QCheckBox::toggled, m_editor, &StemEditor::setCbop2);

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
    m_editor->setCbop2(false);
    m_formats->Settrkfmt(m_config.getint(u"fmtindex"_s));
    m_panel->cbstemname().setFocus();
    m_opened = true;
}

void MainWindow::Setwidths()
{
    m_lbstem->setColumnWidths(
        StemTableModel::columnWidths(m_showAll->isChecked(), m_vk1x2->isChecked()));
}

void MainWindow::showEditorState()
{
    const QSignalBlocker blocker(m_cbop2);
    m_cbop2->setChecked(m_editor->cbop2());
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
