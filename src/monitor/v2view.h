#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QListView;
class QPushButton;
class TrafficMonitor;

// "Communications View": the traffic monitor's window, newest message on top.
class V2View final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(V2View)

public:
    explicit V2View(TrafficMonitor &monitor, QWidget *parent = nullptr);

    QListView &v2list() { return *m_v2list; }
    QCheckBox &pf() { return *m_pf; }
    QLabel &lnoack() { return *m_lnoack; }
    QPushButton &closeButton() { return *m_close; }
    QPushButton &clearButton() { return *m_clear; }

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    TrafficMonitor &m_monitor;
    QListView *m_v2list;
    QCheckBox *m_pf;
    QLabel *m_lnoack;
    QPushButton *m_close;
    QPushButton *m_clear;
};
