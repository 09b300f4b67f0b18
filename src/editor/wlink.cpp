#include "wlink.h"

#include "stemslotchooser.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

WLink::WLink(StemSlotChooser &chooser, QWidget *parent)
    : PopupWindow(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                      Qt::WindowMinimizeButtonHint,
                  parent),
      m_chooser(chooser), m_plink(new QComboBox(this))
{
    setObjectName(u"wlink"_s);
    setWindowTitle(u"Link To"_s);
    setFixedSize(146, 101);

    m_plink->setObjectName(u"plink"_s);
    m_plink->setAccessibleName(u"Stem slot"_s);
    auto *kabort = new QPushButton(u"Abort"_s, this);
    kabort->setObjectName(u"kabort"_s);
    auto *kset = new QPushButton(u"Set"_s, this);
    kset->setObjectName(u"kset"_s);
    kset->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_plink);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(kabort);
    buttons->addWidget(kset);
    layout->addLayout(buttons);

    connect(m_plink, &QComboBox::currentIndexChanged, &m_chooser, &StemSlotChooser::choose);
    connect(kset, &QPushButton::clicked, &m_chooser, &StemSlotChooser::kset);
    connect(kabort, &QPushButton::clicked, &m_chooser, &StemSlotChooser::kabort);
    connect(&m_chooser, &StemSlotChooser::closeRequested, this, &QWidget::hide);
}

void WLink::showChoice(const QString &title)
{
    {
        const QSignalBlocker blocker(m_plink);
        m_plink->clear();
        m_plink->addItems(m_chooser.entries());
        m_plink->setCurrentIndex(m_chooser.selectedEntry());
    }
    popup(title, 1, m_chooser.column());
}
