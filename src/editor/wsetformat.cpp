#include "wsetformat.h"

#include "trackformats.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QLineEdit *addFieldGroup(QVBoxLayout *layout, const QString &caption, const QString &helpTag)
{
    auto *group = new QGroupBox(caption);
    auto *groupLayout = new QVBoxLayout(group);
    auto *field = new QLineEdit(group);
    field->setToolTip(helpTag);
    field->setAccessibleName(caption);
    groupLayout->addWidget(field);
    layout->addWidget(group);
    return field;
}

} // namespace

WSetFormat::WSetFormat(TrackFormats &formats, QWidget *parent)
    : PopupWindow(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                      Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                      Qt::WindowCloseButtonHint,
                  parent),
      m_formats(formats)
{
    setObjectName(u"wsetformat"_s);
    setWindowTitle(u"Set Format"_s);
    resize(294, 185);

    auto *layout = new QVBoxLayout(this);
    m_tname = addFieldGroup(layout, u"Name"_s, u"Enter Stem format here"_s);
    m_tname->setObjectName(u"tname"_s);
    m_tformat = addFieldGroup(layout, u"Track Format"_s,
                              u"Enter stem track list here as a comma separated list"_s);
    m_tformat->setObjectName(u"tformat"_s);

    auto *buttons = new QHBoxLayout;
    auto *kabort = new QPushButton(u"Abort"_s, this);
    kabort->setObjectName(u"kabort"_s);
    auto *kset = new QPushButton(u"Set"_s, this);
    kset->setObjectName(u"kset"_s);
    kset->setDefault(true);
    buttons->addStretch(1);
    buttons->addWidget(kabort);
    buttons->addWidget(kset);
    layout->addLayout(buttons);

    connect(kabort, &QPushButton::clicked, this, &WSetFormat::kabort_Action);
    connect(kset, &QPushButton::clicked, this, &WSetFormat::kset_Action);
}

void WSetFormat::setformat(int key, const QString &name, const QString &list)
{
    show();
    raise();
    m_a = key;
    m_tformat->setText(list);
    m_tname->setText(name);
}

void WSetFormat::kset_Action()
{
    m_formats.updateformat(m_a, m_tname->text(), m_tformat->text());
    hide();
}

void WSetFormat::kabort_Action()
{
    hide();
}
