#include "trackformats.h"

#include "configstore.h"
#include "numbertext.h"

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

QString captionKey(int key)
{
    return u"fmt"_s + QString::number(key);
}
QString listKey(int key)
{
    return u"format"_s + QString::number(key);
}

} // namespace

TrackFormats::TrackFormats(ConfigStore &config, QObject *parent) : QObject(parent), m_config(config)
{
}

QString TrackFormats::defaultCaption(int key)
{
    static const std::array<QString, keyCount> captions{u"Mono"_s, u"Stereo"_s, u"5.1"_s,
                                                        u"7.1"_s,  u"9.1"_s,    u"Obj"_s};
    checkKey(key);
    return captions[std::size_t(key)];
}

QString TrackFormats::defaultList(int key)
{
    // 5.1 lists the centre second; 7.1 and 9.1 list it third and LFE fourth.
    static const std::array<QString, namedKeyCount> lists{u"M"_s, u"L,R"_s, u"L,C,R,Ls,Rs,LFE"_s,
                                                          u"L,R,C,LFE,Ls,Rs,Lb,Rb"_s,
                                                          u"L,R,C,LFE,Ls,Rs,Lb,Rb,Lt,Rt"_s};
    if (key < 0 || key >= namedKeyCount)
        throw std::out_of_range("no default channel list for format key " + std::to_string(key));
    return lists[std::size_t(key)];
}

void TrackFormats::checkKey(int key)
{
    if (key < 0 || key >= keyCount)
        throw std::out_of_range("format key " + std::to_string(key));
}

void TrackFormats::fmt_open1()
{
    for (int key = 0; key < namedKeyCount; ++key) {
        const QString stored = m_config.getstring(captionKey(key));
        m_captions[std::size_t(key)] = stored.isEmpty() ? defaultCaption(key) : stored;
    }
    m_captions[objectsKey] = defaultCaption(objectsKey);
    emit changed();
}

void TrackFormats::openObjectFields()
{
    const QString prefix = m_config.getstring(u"oprefix"_s);
    if (!prefix.isEmpty())
        m_pfix = prefix;
    const QString quantity = m_config.getstring(u"oqty"_s);
    if (!quantity.isEmpty())
        m_oqty = quantity;
    emit changed();
}

QString TrackFormats::caption(int key) const
{
    checkKey(key);
    return m_captions[std::size_t(key)];
}

int TrackFormats::litKey() const
{
    return m_fmtindex >= 0 && m_fmtindex < keyCount ? m_fmtindex : -1;
}

void TrackFormats::Settrkfmt(int key)
{
    m_formatname = listKey(key);
    QString list = m_config.getstring(m_formatname);
    if (list.isEmpty() && key >= 0 && key < namedKeyCount) {
        list = defaultList(key);
        m_config.putstring(m_formatname, list);
    }
    m_trkfmt = list;
    m_fmtindex = key;
    if (key >= 0 && key < keyCount)
        m_sformat = m_captions[std::size_t(key)];
    m_config.putint(u"fmtindex"_s, key);
    emit changed();
}

void TrackFormats::Formatkey(int key)
{
    if (key == objectsKey) {
        m_config.putstring(u"oqty"_s, m_oqty);
        m_config.putstring(u"oprefix"_s, m_pfix);
        const int count = numbertext::numericValue(m_oqty);
        if (count < 2)
            return;
        m_formatname = listKey(objectsKey);
        QString list;
        for (int object = 1; object < count; ++object)
            list += m_pfix + QString::number(object) + u',';
        list += m_pfix + m_oqty;
        m_config.putstring(m_formatname, list);
    }
    Settrkfmt(key);
}

void TrackFormats::updateformat(int key, const QString &name, const QString &list)
{
    checkKey(key);
    m_captions[std::size_t(key)] = name;
    m_config.putstring(captionKey(key), name);
    m_trkfmt = list;
    m_config.putstring(listKey(key), list);
    emit changed();
}

void TrackFormats::setSformat(const QString &name)
{
    m_sformat = name;
    emit changed();
}

void TrackFormats::setPfix(const QString &prefix)
{
    setObjectField(m_pfix, prefix);
}

void TrackFormats::setOqty(const QString &quantity)
{
    setObjectField(m_oqty, quantity);
}

void TrackFormats::setObjectField(QString &field, const QString &text)
{
    if (text == field)
        return;
    field = text;
    // While objects are chosen their list follows the fields.
    if (objectsLit())
        Formatkey(objectsKey);
    emit changed();
}

void TrackFormats::stepObjectQuantity(int step)
{
    Formatkey(objectsKey);
    const int quantity = std::clamp(numbertext::numericValue(m_oqty) + step, 2, 128);
    setOqty(QString::number(quantity));
}

void TrackFormats::objectFieldFocused()
{
    Formatkey(objectsKey);
}

void TrackFormats::setTrkfmt(const QString &list)
{
    if (list == m_trkfmt)
        return;
    m_trkfmt = list;
    emit changed();
}

void TrackFormats::trkfmtLostFocus()
{
    if (!m_trkfmt.isEmpty())
        m_config.putstring(m_formatname, m_trkfmt);
}

void TrackFormats::fmt_mousedown1(int key, bool contextual)
{
    if (contextual && key >= 0 && key < namedKeyCount)
        emit setFormatRequested(key, m_captions[std::size_t(key)], m_trkfmt);
}
