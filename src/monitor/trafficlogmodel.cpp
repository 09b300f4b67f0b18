#include "trafficlogmodel.h"

#include "zrsr.h"

#include <stdexcept>

TrafficLogModel::TrafficLogModel(QObject *parent) : QAbstractListModel(parent)
{
    m_prefixes.append(QString());
}

int TrafficLogModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant TrafficLogModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return line(index.row());
    return {};
}

quint32 TrafficLogModel::prefixIndex(const QString &prefix)
{
    const qsizetype known = m_prefixes.indexOf(prefix);
    if (known >= 0)
        return quint32(known);
    m_prefixes.append(prefix);
    return quint32(m_prefixes.size() - 1);
}

void TrafficLogModel::addLine(QByteArrayView bytes, const QString &prefix)
{
    // Stored oldest first; row 0 is the last entry, so every line goes in at row 0.
    beginInsertRows({}, 0, 0);
    m_entries.push_back({m_bytes.size(), quint32(bytes.size()), prefixIndex(prefix)});
    m_bytes.append(bytes);
    endInsertRows();
}

void TrafficLogModel::clear()
{
    beginResetModel();
    m_entries.clear();
    m_entries.shrink_to_fit();
    m_bytes.clear();
    m_bytes.squeeze();
    endResetModel();
}

QString TrafficLogModel::line(int row) const
{
    if (row < 0 || std::size_t(row) >= m_entries.size())
        throw std::out_of_range("traffic line " + std::to_string(row));
    const Entry &entry = m_entries[m_entries.size() - 1 - std::size_t(row)];
    const QByteArrayView bytes = QByteArrayView(m_bytes).sliced(entry.offset, entry.length);
    QString text = m_prefixes.at(entry.prefix);
    text.reserve(text.size() + 3 * bytes.size());
    for (const char byte : bytes) {
        text += zrsr::byte2hex(quint8(byte));
        text += u' ';
    }
    return text;
}
