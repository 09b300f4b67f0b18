#include "v2view.h"

#include "trafficmonitor.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

V2View::V2View(TrafficMonitor &monitor, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowMinimizeButtonHint),
      m_monitor(monitor), m_v2list(new QListView(this)), m_pf(new QCheckBox(u"Pause"_s, this)),
      m_lnoack(new QLabel(this)), m_close(new QPushButton(u"Close"_s, this)),
      m_clear(new QPushButton(u"Clear"_s, this))
{
    setObjectName(u"v2view"_s);
    setWindowTitle(u"Communications View"_s);
    setMinimumSize(64, 64);
    resize(544, 371);

    m_v2list->setObjectName(u"v2list"_s);
    m_v2list->setAccessibleName(u"Device messages"_s);
    m_v2list->setModel(&monitor.lines());
    // Every line is one row of the same height: the view then never measures them all.
    m_v2list->setUniformItemSizes(true);
    m_v2list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_v2list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_pf->setObjectName(u"pf"_s);
    m_close->setObjectName(u"BevelButton1"_s);
    m_clear->setObjectName(u"BevelButton2"_s);
    m_lnoack->setObjectName(u"lnoack"_s);
    m_lnoack->setText(QString::number(monitor.noAckCount()));
    m_lnoack->setMinimumWidth(78);

    auto *noAck = new QGroupBox(u"No Ack"_s, this);
    auto *noAckLayout = new QHBoxLayout(noAck);
    noAckLayout->setContentsMargins(8, 2, 8, 2);
    noAckLayout->addWidget(m_lnoack);
    m_lnoack->setAccessibleName(u"No Ack"_s);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_v2list, 1);
    auto *controls = new QHBoxLayout;
    controls->addWidget(m_pf);
    controls->addWidget(noAck);
    controls->addStretch(1);
    controls->addWidget(m_clear);
    controls->addWidget(m_close);
    layout->addLayout(controls);

    connect(m_pf, &QCheckBox::toggled, &m_monitor, &TrafficMonitor::setPaused);
    connect(m_clear, &QPushButton::clicked, &m_monitor, &TrafficMonitor::Clearall);
    connect(m_close, &QPushButton::clicked, this, &QWidget::hide);
    connect(&m_monitor, &TrafficMonitor::noAckCountChanged, m_lnoack,
            [this](int count) { m_lnoack->setText(QString::number(count)); });
}

void V2View::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_monitor.setShowing(isVisible());
}

void V2View::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    // A minimised window is still visible and keeps logging.
    m_monitor.setShowing(isVisible());
}
