#pragma once

#include <QMainWindow>

class ConfigStore;
class QAction;
class QCheckBox;
class StemTableModel;
class ZrListBox;

// The stem layout editor's window: menus, option groups and the stem table.
class MainWindow final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    static constexpr int defaultWidth = 1201;
    static constexpr int defaultHeight = 421;

    explicit MainWindow(ConfigStore &config, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Restores the stored geometry and options; run once the controls exist.
    void Event_Open();

    StemTableModel &stemTable() { return *m_stemTable; }
    ZrListBox &lbstem() { return *m_lbstem; }
    QCheckBox &showAll() { return *m_showAll; }
    QCheckBox &vk1x2() { return *m_vk1x2; }
    QAction &viewCommPort() { return *m_viewCommPort; }
    QAction &viewV2Cmds() { return *m_viewV2Cmds; }

    void Setwidths();

signals:
    // Closing the main window or "Quit" ends the program.
    void quitRequested();

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

    ConfigStore &m_config;
    StemTableModel *m_stemTable = nullptr;
    ZrListBox *m_lbstem = nullptr;
    QCheckBox *m_showAll = nullptr;
    QCheckBox *m_vk1x2 = nullptr;
    QAction *m_viewCommPort = nullptr;
    QAction *m_viewV2Cmds = nullptr;
    bool m_opened = false;
};
