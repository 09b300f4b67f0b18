#include "stemslotchooser.h"

#include "stemtablemodel.h"

using namespace Qt::StringLiterals;

StemSlotChooser::StemSlotChooser(StemTableModel &table, QObject *parent)
    : QObject(parent), m_table(table)
{
}

void StemSlotChooser::Settype(const QString &text, int column, int row)
{
    m_row = row;
    m_column = column;
    m_entries.clear();
    if (column == StemTableModel::t_vk1)
        m_title = u"Vk-1 #1 Stem "_s;
    else if (column == StemTableModel::t_vk2)
        m_title = u"Vk-1 #2 Stem "_s;
    buildstem(text);
    emit popupRequested(m_title);
}

void StemSlotChooser::buildstem(const QString &current)
{
    m_entries = {current, QString()};
    for (int slot = 1; slot <= slotCount; ++slot) {
        const QString candidate = u"Stem "_s + QString::number(slot);
        bool taken = false;
        for (int row = 0; row < m_table.rowCount() && !taken; ++row)
            taken =
                m_table.cell(row, m_column).trimmed().compare(candidate, Qt::CaseInsensitive) == 0;
        if (!taken)
            m_entries.append(candidate);
    }
    m_selected = 0;
}

void StemSlotChooser::choose(int entry)
{
    if (entry >= 0 && entry < m_entries.size())
        m_selected = entry;
}

void StemSlotChooser::kset()
{
    // The dialog does not block the table: its row may have gone in the meantime.
    if (m_row < m_table.rowCount()) {
        const QString slot = m_entries.value(m_selected);
        m_table.setCell(m_row, m_column, slot);
        if (m_column == StemTableModel::t_vk1)
            m_table.setCell(m_row, StemTableModel::t_vk2, slot);
    }
    emit closeRequested();
}

void StemSlotChooser::kabort()
{
    emit closeRequested();
}
