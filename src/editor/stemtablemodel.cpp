#include "stemtablemodel.h"

#include "zrsr.h"

#include <QFont>

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

const QColor white(0xFF, 0xFF, 0xFF);

// A tab or line end inside a cell would break its row apart in a layout file.
QString asCellText(QString text)
{
    for (QChar &character : text) {
        if (character == u'\t' || character == u'\r' || character == u'\n')
            character = u' ';
    }
    return text;
}

QString heading(int column)
{
    switch (column) {
    case StemTableModel::t_desc:
        return u"Description"_s;
    case StemTableModel::t_name:
        return u"Name"_s;
    case StemTableModel::t_vk1:
        return u"VK #1"_s;
    case StemTableModel::t_vk2:
        return u"VK #2"_s;
    case StemTableModel::t_index:
        return u"Index"_s;
    case StemTableModel::t_tracks:
        return u"tracks"_s;
    case StemTableModel::t_format:
        return u"Fmt/Obj"_s;
    case StemTableModel::t_len:
        return u"Len"_s;
    case StemTableModel::t_start:
        return u"Start Track"_s;
    case StemTableModel::t_ssafe:
        return u"S.Safe"_s;
    case StemTableModel::t_pmast:
        return u"P.Mast"_s;
    case StemTableModel::t_port:
        return u"Port"_s;
    }
    return {};
}

} // namespace

StemTableModel::StemTableModel(QObject *parent) : QAbstractTableModel(parent) {}

int StemTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int StemTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : visibleColumnCount;
}

QVariant StemTableModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const int row = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return cell(row, column);
    case Qt::BackgroundRole: {
        const QColor back = getbackcolor(row, column);
        if (!cell(row, column).isEmpty() && back != white)
            return back;
        return {};
    }
    case Qt::ForegroundRole:
        if (!cell(row, column).isEmpty() && getbackcolor(row, column) != white)
            return gettextcolor(row, column);
        return {};
    case Qt::FontRole:
        if (cellBold(row, column)) {
            QFont font;
            font.setBold(true);
            return font;
        }
        return {};
    default:
        return {};
    }
}

QVariant StemTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= visibleColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return heading(section);
    return {};
}

const StemTableModel::Row &StemTableModel::rowAt(int row) const
{
    if (row < 0 || std::size_t(row) >= m_rows.size())
        throw std::out_of_range("stem table row " + std::to_string(row));
    return m_rows[std::size_t(row)];
}

StemTableModel::Row &StemTableModel::rowAt(int row)
{
    return const_cast<Row &>(std::as_const(*this).rowAt(row));
}

void StemTableModel::checkColumn(int column, int columnLimit)
{
    if (column < 0 || column >= columnLimit)
        throw std::out_of_range("stem table column " + std::to_string(column));
}

QString StemTableModel::cell(int row, int column) const
{
    checkColumn(column, visibleColumnCount + 1);
    return rowAt(row).cells[std::size_t(column)];
}

void StemTableModel::setCell(int row, int column, const QString &text)
{
    checkColumn(column, visibleColumnCount + 1);
    QString &stored = rowAt(row).cells[std::size_t(column)];
    const QString cellText = asCellText(text);
    if (stored == cellText)
        return;
    stored = cellText;
    if (column < visibleColumnCount)
        emit dataChanged(index(row, column), index(row, column));
}

bool StemTableModel::cellBold(int row, int column) const
{
    checkColumn(column, visibleColumnCount);
    return rowAt(row).bold.test(std::size_t(column));
}

void StemTableModel::setCellBold(int row, int column, bool bold)
{
    checkColumn(column, visibleColumnCount);
    Row &target = rowAt(row);
    if (target.bold.test(std::size_t(column)) == bold)
        return;
    target.bold.set(std::size_t(column), bold);
    emit dataChanged(index(row, column), index(row, column), {Qt::FontRole});
}

int StemTableModel::appendRow()
{
    const int row = int(m_rows.size());
    insertRowAt(row);
    return row;
}

void StemTableModel::insertRowAt(int row)
{
    if (row < 0 || std::size_t(row) > m_rows.size())
        throw std::out_of_range("stem table insert at " + std::to_string(row));
    beginInsertRows({}, row, row);
    m_rows.insert(m_rows.begin() + row, Row{});
    endInsertRows();
}

void StemTableModel::removeRowAt(int row)
{
    rowAt(row);
    beginRemoveRows({}, row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
}

void StemTableModel::removeAllRows()
{
    if (m_rows.empty())
        return;
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

QString StemTableModel::getrow(int row) const
{
    const Row &source = rowAt(row);
    QString text;
    for (int column = 0; column < visibleColumnCount; ++column) {
        text += source.cells[std::size_t(column)];
        text += u'\t';
    }
    text += source.cells[hiddenColumn];
    return text;
}

void StemTableModel::Rowadd(const QString &text)
{
    Row added;
    QString remaining = text;
    // Fields beyond the hidden cell have nowhere to go and are dropped.
    for (std::size_t column = 0; column < added.cells.size() && !remaining.isEmpty(); ++column)
        added.cells[column] = asCellText(zrsr::splittab(remaining));

    const int row = int(m_rows.size());
    beginInsertRows({}, row, row);
    m_rows.push_back(std::move(added));
    endInsertRows();
}

bool StemTableModel::isContinuationRow(int row) const
{
    return cell(row, t_index) == u"6"_s;
}

int StemTableModel::stemRowOf(int row) const
{
    while (row > 0 && isContinuationRow(row))
        --row;
    return row;
}

QColor StemTableModel::getbackcolor(int row, int column) const
{
    rowAt(row);
    if (column == t_ssafe)
        return QColor(0x00, 0xFF, 0x00);
    if (column == t_pmast)
        return QColor(0xFF, 0x00, 0x00);
    return white;
}

QColor StemTableModel::gettextcolor(int row, int column) const
{
    rowAt(row);
    if (column == t_pmast)
        return white;
    return QColor(0x00, 0x00, 0x00);
}

QString StemTableModel::columnWidths(bool showAll, bool vk1x2)
{
    if (showAll)
        return u"130,60,70,70,70,70,*"_s;
    if (vk1x2)
        return u"130,60,70,70,0,0,*"_s;
    return u"130,60,70,0,0,0,*"_s;
}
