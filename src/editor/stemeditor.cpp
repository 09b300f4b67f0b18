#include "stemeditor.h"

#include "configstore.h"
#include "dialogprovider.h"
#include "numbertext.h"
#include "stemnamelist.h"
#include "stemslotchooser.h"
#include "stemtablemodel.h"
#include "trackformats.h"
#include "zrsr.h"

using namespace Qt::StringLiterals;

StemEditor::StemEditor(StemTableModel &table, TrackFormats &formats, StemNameList &names,
                       StemSlotChooser &slotChooser, ConfigStore &config, DialogProvider &dialogs,
                       QObject *parent)
    : QObject(parent), m_table(table), m_formats(formats), m_names(names),
      m_slotChooser(slotChooser), m_config(config), m_dialogs(dialogs),
      // Held by value, so the model must not become its parent.
      m_selection(&table, nullptr)
{
    connect(&m_names, &StemNameList::entryChosen, this, &StemEditor::setStemText);
}

QString StemEditor::port1()
{
    return u"O/P#1"_s;
}
QString StemEditor::port2()
{
    return u"O/P#2 (I/P)"_s;
}

int StemEditor::selectedRow() const
{
    const QModelIndexList rows = m_selection.selectedRows();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

void StemEditor::selectRow(int row)
{
    m_selection.select(m_table.index(row, 0), QItemSelectionModel::ClearAndSelect |
                                                  QItemSelectionModel::Rows |
                                                  QItemSelectionModel::Current);
}

void StemEditor::setStemText(const QString &text)
{
    if (text == m_stemText)
        return;
    m_stemText = text;
    emit changed();
}

void StemEditor::selectPort2(bool selected)
{
    if (selected == m_port2Selected)
        return;
    m_port2Selected = selected;
    emit changed();
}

void StemEditor::setCbop2(bool on)
{
    if (on == m_cbop2)
        return;
    m_cbop2 = on;
    m_config.putbool(u"mcnformat"_s, on);
    if (!on)
        m_port2Selected = false;
    emit changed();
}

bool StemEditor::Checkstemname()
{
    const QString text = m_stemText;
    if (text.size() < 8) {
        // A short text that already has its comma is taken as typed.
        if (!text.contains(u','))
            setStemText(text + u',' + text);
        return true;
    }
    if (text.contains(u','))
        return true;
    m_dialogs.showMessage(
        u"No Comma in stem name definitions, the format is  VK-X name,description"_s);
    return false;
}

void StemEditor::kadd()
{
    if (!Checkstemname())
        return;
    const int row = m_table.appendRow();
    const QString slot = u"Stem "_s + QString::number(row + 1);
    m_table.setCell(row, StemTableModel::t_vk1, slot);
    m_table.setCell(row, StemTableModel::t_vk2, slot);
    Updatestem(row);
}

int StemEditor::channelCount(const QString &list)
{
    QString remaining = list;
    int count = 0;
    while (!remaining.isEmpty()) {
        zrsr::splitcomma(remaining);
        ++count;
    }
    return count;
}

void StemEditor::Updatestem(int row)
{
    if (m_port2Selected)
        setCbop2(true);

    QString description = m_stemText;
    const QString name = zrsr::splitcomma(description).trimmed();
    description = description.trimmed();
    m_table.setCell(row, StemTableModel::t_name, name);
    m_table.setCell(row, StemTableModel::t_desc, description);
    m_table.setCell(row, StemTableModel::t_index, QString::number(m_formats.fmtindex()));
    m_table.setCell(row, StemTableModel::t_format,
                    m_formats.objectsLit() ? m_formats.pfix() : m_formats.sformat());
    m_table.setCell(row, StemTableModel::t_tracks, m_formats.trkfmt());
    const int count = channelCount(m_formats.trkfmt());
    m_table.setCell(row, StemTableModel::t_len, QString::number(count));
    const QString port = m_port2Selected ? port2() : port1();
    m_table.setCell(row, StemTableModel::t_port, port);

    const bool last = row == m_table.rowCount() - 1;
    const QString stemName = m_table.cell(row, StemTableModel::t_name);
    const QString stemDescription = m_table.cell(row, StemTableModel::t_desc);
    int continuation = row;
    for (int remaining = count - tracksPerRow; remaining > 0; remaining -= tracksPerRow) {
        ++continuation;
        if (last) {
            m_table.appendRow();
            const QString slot = u"Stem "_s + QString::number(continuation + 1);
            m_table.setCell(continuation, StemTableModel::t_vk1, slot);
            m_table.setCell(continuation, StemTableModel::t_vk2, slot);
        } else {
            m_table.insertRowAt(continuation);
        }
        m_table.setCell(continuation, StemTableModel::t_desc, u"* "_s + stemDescription + u" *"_s);
        m_table.setCell(continuation, StemTableModel::t_port, port);
        m_table.setCell(continuation, StemTableModel::t_name,
                        stemName.left(3) + QString::number(continuation - row));
        m_table.setCell(continuation, StemTableModel::t_len,
                        QString::number(std::min(remaining, tracksPerRow)));
        m_table.setCell(continuation, StemTableModel::t_index, u"6"_s);
    }

    numbertracks(port1());
    numbertracks(port2());
}

void StemEditor::Readstem(int row)
{
    setStemText(m_table.cell(row, StemTableModel::t_name) + u',' +
                m_table.cell(row, StemTableModel::t_desc));
    const QString index = m_table.cell(row, StemTableModel::t_index);
    m_formats.Formatkey(numbertext::numericValue(index));
    const QString format = m_table.cell(row, StemTableModel::t_format);
    if (m_formats.objectsLit())
        m_formats.setPfix(format);
    else
        m_formats.setSformat(format);
    m_formats.setTrkfmt(m_table.cell(row, StemTableModel::t_tracks));
    if (index == u"5"_s)
        m_formats.setOqty(m_table.cell(row, StemTableModel::t_len));
    if (isOnPort1(row))
        selectPort2(false);
}

bool StemEditor::isOnPort1(int row) const
{
    return m_table.cell(row, StemTableModel::t_port).compare(port1(), Qt::CaseInsensitive) == 0;
}

void StemEditor::removeContinuationRows(int stemRow)
{
    // Whatever the stem's format: a user channel list can be longer than 16 too.
    while (stemRow + 1 < m_table.rowCount() && m_table.isContinuationRow(stemRow + 1))
        m_table.removeRowAt(stemRow + 1);
}

std::optional<int> StemEditor::takeSelectedStem(const QString &noSelectionMessage)
{
    const int selected = selectedRow();
    if (selected < 0) {
        m_dialogs.showMessage(noSelectionMessage);
        return std::nullopt;
    }
    const int stemRow = m_table.stemRowOf(selected);
    removeContinuationRows(stemRow);
    return stemRow;
}

void StemEditor::updlist()
{
    if (const std::optional<int> stemRow = takeSelectedStem(u"Select Stem to update"_s))
        Updatestem(*stemRow);
}

void StemEditor::deletecurrentstem()
{
    if (const std::optional<int> stemRow = takeSelectedStem(u"Select Stem to delete"_s))
        m_table.removeRowAt(*stemRow);
}

void StemEditor::kclear()
{
    m_table.removeAllRows();
    setCbop2(false);
}

void StemEditor::clearSelected()
{
    const int selected = selectedRow();
    if (selected >= 0)
        m_table.removeRowAt(selected);
}

void StemEditor::kstemname_add1()
{
    if (Checkstemname())
        m_names.Addt(m_stemText);
}

void StemEditor::kstemname_del1()
{
    m_names.Delt(m_stemText);
}

void StemEditor::lbstem_CellClick(int row, int column)
{
    selectRow(row);
    Readstem(row);
    switch (column) {
    case StemTableModel::t_port:
        if (m_table.cell(row, StemTableModel::t_format).trimmed().isEmpty()) {
            m_dialogs.showMessage(u"Must be start of stem"_s);
            return;
        }
        selectPort2(isOnPort1(row));
        updlist();
        break;
    case StemTableModel::t_ssafe:
    case StemTableModel::t_pmast: {
        const QString mark = column == StemTableModel::t_ssafe ? u"S.Safe"_s : u"PM"_s;
        m_table.setCellBold(row, column, true);
        m_table.setCell(row, column, m_table.cell(row, column).isEmpty() ? mark : QString());
        break;
    }
    case StemTableModel::t_vk1:
    case StemTableModel::t_vk2:
        m_slotChooser.Settype(m_table.cell(row, column), column, row);
        break;
    default:
        m_updateEnabled = numbertext::numericValue(m_table.cell(row, StemTableModel::t_index)) != 6;
        emit changed();
        break;
    }
}

void StemEditor::numbertracks(const QString &port)
{
    // The start-track field of O/P#1 is never shown, so both ports count from 1.
    int counter = 1;
    for (int row = 0; row < m_table.rowCount(); ++row) {
        if (m_table.cell(row, StemTableModel::t_port).compare(port, Qt::CaseInsensitive) != 0)
            continue;
        m_table.setCell(row, StemTableModel::t_start, QString::number(counter));
        counter += std::min(tracksPerRow,
                            numbertext::numericValue(m_table.cell(row, StemTableModel::t_len)));
    }
}
