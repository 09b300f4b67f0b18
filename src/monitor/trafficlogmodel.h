#pragma once

#include <QAbstractListModel>
#include <QByteArray>
#include <QStringList>

#include <vector>

// The traffic monitor's lines, newest first. Lines are kept as their raw bytes in one
// shared buffer and turned into hexadecimal text only when a view asks, so that a
// long session stays small and adding a line costs the same however many there are.
class TrafficLogModel final : public QAbstractListModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TrafficLogModel)

public:
    explicit TrafficLogModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // Adds a line above all others: the prefix, then each byte as two hexadecimal
    // digits and a blank.
    void addLine(QByteArrayView bytes, const QString &prefix = {});
    void clear();

    // The text of row `row` (0 is the newest); throws std::out_of_range.
    QString line(int row) const;

private:
    struct Entry
    {
        qsizetype offset;
        quint32 length;
        quint32 prefix;
    };

    quint32 prefixIndex(const QString &prefix);

    QByteArray m_bytes;
    std::vector<Entry> m_entries;
    QStringList m_prefixes;
};
