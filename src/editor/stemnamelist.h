#pragma once

#include <QObject>
#include <QStringList>

class ConfigStore;

// The reusable list of "name, description" entries behind an editable combo box.
// The list is stored under the box's name and suffix, entries joined by ":", and the
// selected position under the same key followed by "lastindex".
class StemNameList final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StemNameList)

public:
    StemNameList(ConfigStore &config, const QString &controlName, int suffix,
                 QObject *parent = nullptr);

    static QStringList initialEntries();

    QString sn() const { return m_sn; }
    QStringList entries() const { return m_entries; }
    // The selected position, or -1.
    int selectedIndex() const { return m_selected; }

    // The box's opening: reads the stored list and selection.
    void open();
    void Updlist();
    // Adds `text` unless an entry equals it; selects the new last entry.
    void Addt(const QString &text);
    // Removes every entry equal to `text`.
    void Delt(const QString &text);
    // The user's or the program's choice of an entry; -1 clears the selection.
    void select(int index);

signals:
    void changed();
    // A choice of an entry puts its text into the box.
    void entryChosen(const QString &text);

private:
    ConfigStore &m_config;
    QString m_sn;
    QStringList m_entries = initialEntries();
    int m_selected = -1;
    int m_lastindex = 0;
};
