#include "stemnamelist.h"

#include "configstore.h"
#include "zrsr.h"

using namespace Qt::StringLiterals;

StemNameList::StemNameList(ConfigStore &config, const QString &controlName, int suffix,
                           QObject *parent)
    : QObject(parent), m_config(config), m_sn(controlName + QString::number(suffix))
{
}

QStringList StemNameList::initialEntries()
{
    return {u"Dx, Dialogue Stem"_s, u"Mx, Music Stem"_s, u"Fx, Effects Stem"_s,
            u"Comp, Composite"_s};
}

void StemNameList::open()
{
    Updlist();
}

void StemNameList::Updlist()
{
    // Read before the list is refilled: choosing its first entry stores a new position.
    const int storedIndex = m_config.getint(m_sn + u"lastindex"_s);
    QString list = m_config.getstring(m_sn);
    if (!list.isEmpty()) {
        m_entries.clear();
        while (!list.isEmpty()) {
            const QString entry = zrsr::splitcolon(list).trimmed();
            if (!entry.isEmpty())
                m_entries.append(entry);
        }
        select(m_lastindex);
    }
    select(storedIndex);
    emit changed();
}

void StemNameList::Addt(const QString &text)
{
    QStringList kept;
    for (const QString &entry : std::as_const(m_entries)) {
        if (entry.isEmpty())
            continue;
        if (entry.compare(text, Qt::CaseInsensitive) == 0)
            return;
        kept.append(entry);
    }
    kept.append(text);
    m_config.putstring(m_sn, kept.join(u':'));
    Updlist();
    select(int(m_entries.size()) - 1);
}

void StemNameList::Delt(const QString &text)
{
    if (text.isEmpty())
        return;
    QStringList kept;
    for (const QString &entry : std::as_const(m_entries)) {
        if (entry.compare(text, Qt::CaseInsensitive) != 0)
            kept.append(entry);
    }
    m_config.putstring(m_sn, kept.join(u':'));
    Updlist();
}

void StemNameList::select(int index)
{
    const int selected = index >= 0 && index < m_entries.size() ? index : -1;
    if (selected == m_selected)
        return;
    m_selected = selected;
    m_config.putint(m_sn + u"lastindex"_s, m_selected);
    if (m_selected >= 0)
        emit entryChosen(m_entries.at(m_selected));
    emit changed();
}
