#include "stempanel.h"

#include "stemeditor.h"
#include "stemnamelist.h"
#include "trackformats.h"
#include "zrcombobox.h"
#include "zrkey.h"

#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

const QMargins compactMargins(6, 2, 6, 4);

QPushButton *makeButton(const QString &caption, const QString &name, const QString &helpTag,
                        QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(helpTag);
    button->setAutoDefault(false);
    return button;
}

void showText(QLineEdit *field, const QString &text)
{
    if (field->text() == text)
        return;
    const QSignalBlocker blocker(field);
    field->setText(text);
    // A long channel list reads from its first channel unless the user is editing it.
    if (!field->hasFocus())
        field->setCursorPosition(0);
}

template <typename Control, std::size_t size>
Control &checkedAt(const std::array<Control *, size> &controls, int index)
{
    if (index < 0 || std::size_t(index) >= size)
        throw std::out_of_range("control index " + std::to_string(index));
    return *controls[std::size_t(index)];
}

} // namespace

StemPanel::StemPanel(StemEditor &editor, TrackFormats &formats, StemNameList &names,
                     ConfigStore &config, QWidget *parent)
    : QGroupBox(u"Add/Modify Stem"_s, parent), m_editor(editor), m_formats(formats), m_names(names)
{
    // A fixed width keeps the table still when texts or the second port appear.
    setFixedWidth(440);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(2);
    layout->addWidget(buildNameGroup());
    buildFormatGroups(config, layout);

    // The port decides where the next Add or Update goes, so it sits by those keys.
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(buildPortGroup());
    m_kdelete = makeButton(u"Delete"_s, u"kdelete"_s, QString(), this);
    m_kadd = makeButton(u"Add"_s, u"kadd"_s, QString(), this);
    m_kupdate = makeButton(u"Update"_s, u"kupdate"_s, QString(), this);
    bottom->addWidget(m_kdelete, 0, Qt::AlignBottom);
    bottom->addWidget(m_kadd, 0, Qt::AlignBottom);
    bottom->addWidget(m_kupdate, 0, Qt::AlignBottom);
    layout->addLayout(bottom);
    layout->addStretch(1);

    connect(m_kdelete, &QPushButton::clicked, &m_editor, &StemEditor::deletecurrentstem);
    connect(m_kadd, &QPushButton::clicked, &m_editor, &StemEditor::kadd);
    connect(m_kupdate, &QPushButton::clicked, &m_editor, &StemEditor::updlist);

    connect(&m_editor, &StemEditor::changed, this, &StemPanel::refresh);
    connect(&m_formats, &TrackFormats::changed, this, &StemPanel::refresh);
    connect(&m_names, &StemNameList::changed, this, &StemPanel::refresh);
    refresh();
}

QWidget *StemPanel::buildNameGroup()
{
    auto *group = new QGroupBox(u"StemName, Description              "_s, this);
    auto *layout = new QHBoxLayout(group);
    layout->setContentsMargins(compactMargins);
    m_cbstemname = new ZrComboBox(group);
    m_cbstemname->setObjectName(u"cbstemname"_s);
    m_cbstemname->setToolTip(u"Select/Enter Stem Name"_s);
    m_cbstemname->setAccessibleName(u"Stem name and description"_s);
    m_cbstemname->lineEdit()->setAccessibleName(u"Stem name and description"_s);
    m_cbstemname->setMinimumContentsLength(18);
    m_cbstemname->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_kstemnameAdd = makeButton(u"Add"_s, u"kstemname_add1"_s,
                                u"Add Stem Name and Description to List"_s, group);
    m_kstemnameDel = makeButton(u"Remove"_s, u"kstemname_del1"_s,
                                u"Remove Stem Name and Description From List"_s, group);
    layout->addWidget(m_cbstemname, 1);
    layout->addWidget(m_kstemnameAdd);
    layout->addWidget(m_kstemnameDel);

    connect(m_cbstemname, &QComboBox::editTextChanged, &m_editor, &StemEditor::setStemText);
    connect(m_cbstemname, &QComboBox::currentIndexChanged, &m_names, &StemNameList::select);
    connect(m_kstemnameAdd, &QPushButton::clicked, &m_editor, &StemEditor::kstemname_add1);
    connect(m_kstemnameDel, &QPushButton::clicked, &m_editor, &StemEditor::kstemname_del1);
    return group;
}

QWidget *StemPanel::buildPortGroup()
{
    auto *group = new QGroupBox(u"Port  "_s, this);
    auto *layout = new QHBoxLayout(group);
    layout->setContentsMargins(compactMargins);
    const QStringList captions{StemEditor::port1(), StemEditor::port2()};
    for (int index = 0; index < 2; ++index) {
        auto *button = new QRadioButton(captions.at(index), group);
        button->setObjectName(u"rbport"_s + QString::number(index));
        layout->addWidget(button);
        m_rbport[std::size_t(index)] = button;
    }
    layout->addStretch(1);
    connect(m_rbport[1], &QRadioButton::toggled, &m_editor, &StemEditor::selectPort2);
    return group;
}

void StemPanel::buildFormatGroups(ConfigStore &config, QVBoxLayout *panelLayout)
{
    auto *group = new QGroupBox(u"Track Format             "_s, this);
    auto *layout = new QVBoxLayout(group);
    layout->setContentsMargins(compactMargins);
    layout->setSpacing(4);

    auto *keyRow = new QHBoxLayout;
    for (int key = 0; key < TrackFormats::keyCount; ++key) {
        auto *formatKey = new ZrKey(config, u"fmt"_s, key, group);
        formatKey->setFixedHeight(22);
        formatKey->setMinimumWidth(52);
        formatKey->setLitColor(QColor(0x80, 0xFF, 0x80));
        formatKey->setOffColor(QColor(0x24, 0x4F, 0x6E));
        formatKey->setToolTip(u"Select format, Right Click to name"_s);
        m_fmt[std::size_t(key)] = formatKey;
        if (key < TrackFormats::namedKeyCount)
            keyRow->addWidget(formatKey);
        connect(formatKey, &ZrKey::action, &m_formats, [this, key] { m_formats.Formatkey(key); });
        connect(formatKey, &ZrKey::mousedown1, &m_formats,
                [this, key](bool contextual) { m_formats.fmt_mousedown1(key, contextual); });
    }
    layout->addLayout(keyRow);

    m_trkfmt = new QLineEdit(group);
    m_trkfmt->setObjectName(u"trkfmt"_s);
    m_trkfmt->setToolTip(u"Comma Separated list"_s);
    m_trkfmt->setAccessibleName(u"Channel list"_s);
    m_trkfmt->installEventFilter(this);
    layout->addWidget(m_trkfmt);
    connect(m_trkfmt, &QLineEdit::textEdited, &m_formats, &TrackFormats::setTrkfmt);

    panelLayout->addWidget(group);

    auto *objects = new QGroupBox(u"Objects       "_s, this);
    auto *objectsLayout = new QGridLayout(objects);
    objectsLayout->setContentsMargins(compactMargins);
    auto *prefixLabel = new QLabel(u"Prefix"_s, objects);
    m_pfix = new QLineEdit(objects);
    m_pfix->setObjectName(u"pfix"_s);
    m_pfix->setToolTip(u"Object track name prefix"_s);
    prefixLabel->setBuddy(m_pfix);
    m_pfix->setAccessibleName(u"Prefix"_s);
    auto *quantityLabel = new QLabel(u"Qty"_s, objects);
    m_oqty = new QLineEdit(objects);
    m_oqty->setObjectName(u"oqty"_s);
    quantityLabel->setBuddy(m_oqty);
    m_oqty->setAccessibleName(u"Qty"_s);
    m_kincdec[0] = makeButton(u"+"_s, u"kincdec0"_s, u"Increment Object Qty"_s, objects);
    m_kincdec[0]->setAccessibleName(u"Increment Object Qty"_s);
    m_kincdec[1] = makeButton(u"-"_s, u"kincdec1"_s, u"Decrement Object Qty"_s, objects);
    m_kincdec[1]->setAccessibleName(u"Decrement Object Qty"_s);
    for (QPushButton *button : m_kincdec)
        button->setFixedWidth(28);
    for (QLineEdit *field : {m_pfix, m_oqty}) {
        field->setMaximumWidth(60);
        field->installEventFilter(this);
    }
    objectsLayout->addWidget(prefixLabel, 0, 0);
    objectsLayout->addWidget(m_pfix, 0, 1);
    objectsLayout->addWidget(quantityLabel, 0, 2);
    objectsLayout->addWidget(m_oqty, 0, 3);
    objectsLayout->addWidget(m_kincdec[0], 0, 4);
    objectsLayout->addWidget(m_kincdec[1], 0, 5);
    objectsLayout->addWidget(m_fmt[TrackFormats::objectsKey], 0, 6);
    objectsLayout->setColumnStretch(7, 1);
    panelLayout->addWidget(objects);

    connect(m_pfix, &QLineEdit::textEdited, &m_formats, &TrackFormats::setPfix);
    connect(m_oqty, &QLineEdit::textEdited, &m_formats, &TrackFormats::setOqty);
    connect(m_kincdec[0], &QPushButton::clicked, &m_formats,
            [this] { m_formats.stepObjectQuantity(1); });
    connect(m_kincdec[1], &QPushButton::clicked, &m_formats,
            [this] { m_formats.stepObjectQuantity(-1); });
}

void StemPanel::openKeys()
{
    for (ZrKey *key : m_fmt)
        key->open();
    m_formats.fmt_open1();
}

ZrKey &StemPanel::fmt(int key)
{
    return checkedAt(m_fmt, key);
}
QPushButton &StemPanel::kincdec(int index)
{
    return checkedAt(m_kincdec, index);
}
QRadioButton &StemPanel::rbport(int index)
{
    return checkedAt(m_rbport, index);
}

bool StemPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn && (watched == m_pfix || watched == m_oqty)) {
        // Only a click or a tab into the field chooses objects, not the window
        // becoming active again.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
            reason == Qt::BacktabFocusReason)
            m_formats.objectFieldFocused();
    } else if (event->type() == QEvent::FocusOut && watched == m_trkfmt) {
        m_formats.trkfmtLostFocus();
    }
    return QGroupBox::eventFilter(watched, event);
}

void StemPanel::refresh()
{
    for (int key = 0; key < TrackFormats::keyCount; ++key) {
        ZrKey *formatKey = m_fmt[std::size_t(key)];
        if (formatKey->caption() != m_formats.caption(key))
            formatKey->assignCaption(m_formats.caption(key));
        formatKey->setlit(m_formats.litKey() == key);
    }
    showText(m_trkfmt, m_formats.trkfmt());
    showText(m_pfix, m_formats.pfix());
    showText(m_oqty, m_formats.oqty());

    m_cbstemname->setEntries(m_names.entries(), m_names.selectedIndex());
    if (m_cbstemname->currentText() != m_editor.stemText()) {
        const QSignalBlocker blocker(m_cbstemname);
        m_cbstemname->setEditText(m_editor.stemText());
    }

    {
        const QSignalBlocker blocker(m_rbport[1]);
        m_rbport[0]->setChecked(!m_editor.port2Selected());
        m_rbport[1]->setChecked(m_editor.port2Selected());
    }
    m_rbport[1]->setVisible(m_editor.cbop2());
    m_kupdate->setEnabled(m_editor.updateEnabled());
}
