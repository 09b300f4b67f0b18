#pragma once

#include <QMainWindow>

class ConfigStore;
class DialogProvider;
class LayoutFiles;
class QAction;
class QCheckBox;
class QPushButton;
class StemEditor;
class StemNameList;
class StemPanel;
class StemSlotChooser;
class StemTableModel;
class TrackFormats;
class ZrListBox;

// The stem layout editor's window: menus, option groups, the stem table and the
// "Add/Modify Stem" panel. The editing itself happens in the editor objects it owns.
class MainWindow final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    static constexpr int defaultWidth = 1201;
    static constexpr int defaultHeight = 421;

    MainWindow(ConfigStore &config, DialogProvider &dialogs, const QString &documentsFolder,
               QWidget *parent = nullptr);
    ~MainWindow() override;

    // Restores the stored geometry and options; run once the controls exist.
    void Event_Open();

    StemTableModel &stemTable() { return *m_stemTable; }
    TrackFormats &formats() { return *m_formats; }
    StemNameList &stemNames() { return *m_stemNames; }
    StemSlotChooser &slotChooser() { return *m_slotChooser; }
    StemEditor &editor() { return *m_editor; }
    LayoutFiles &layoutFiles() { return *m_layoutFiles; }

    ZrListBox &lbstem() { return *m_lbstem; }
    StemPanel &panel() { return *m_panel; }
    QCheckBox &showAll() { return *m_showAll; }
    QCheckBox &vk1x2() { return *m_vk1x2; }
    QCheckBox &cbop2() { return *m_cbop2; }
    QPushButton &kclear() { return *m_kclear; }
    QPushButton &kclearSelected() { return *m_kclearSelected; }
    QPushButton &kload() { return *m_kload; }
    QPushButton &ksave() { return *m_ksave; }
    QPushButton &kv2view() { return *m_kv2view; }
    QAction &viewCommPort() { return *m_viewCommPort; }
    QAction &viewV2Cmds() { return *m_viewV2Cmds; }

    void Setwidths();

signals:
    // Closing the main window or "Quit" ends the program.
    void quitRequested();
    // "view comms" or "V2 Cmds": the traffic monitor is wanted.
    void trafficMonitorRequested();

protected:
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    QWidget *buildTopGroups();
    void Event_Moved();
    void Event_Resized();
    void vk1x2_Action();
    void showEditorState();

    ConfigStore &m_config;
    StemTableModel *m_stemTable;
    TrackFormats *m_formats;
    StemNameList *m_stemNames;
    StemSlotChooser *m_slotChooser;
    StemEditor *m_editor;
    LayoutFiles *m_layoutFiles;
    ZrListBox *m_lbstem = nullptr;
    StemPanel *m_panel = nullptr;
    QCheckBox *m_showAll = nullptr;
    QCheckBox *m_vk1x2 = nullptr;
    QCheckBox *m_cbop2 = nullptr;
    QPushButton *m_kclear = nullptr;
    QPushButton *m_kclearSelected = nullptr;
    QPushButton *m_kload = nullptr;
    QPushButton *m_ksave = nullptr;
    QPushButton *m_kv2view = nullptr;
    QAction *m_viewCommPort = nullptr;
    QAction *m_viewV2Cmds = nullptr;
    bool m_opened = false;
};
