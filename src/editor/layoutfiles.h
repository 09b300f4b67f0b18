#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class ConfigStore;
class DialogProvider;
class StemEditor;
class StemTableModel;

// Layout files: "[Stem]", one row text per table row, "[O/P2]" and the "Two
// Protools" option, saved from and loaded into the stem table.
class LayoutFiles final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LayoutFiles)

public:
    LayoutFiles(StemTableModel &table, StemEditor &editor, ConfigStore &config,
                DialogProvider &dialogs, QString documentsFolder, QObject *parent = nullptr);

    static QString fileFilter();

    // The dialogs: the chosen file's full path, or an empty text when cancelled.
    QString saveaszrtfile(const QString &name);
    QString openzrtfile(const QString &name);

    void ksave();
    void kload();

    // The lines a save writes for the table and option.
    static QStringList layoutLines(const StemTableModel &table, bool twoProtools);
    // Reads layout text into the (already emptied) table; true when it turns
    // "Two Protools" on.
    static bool readLayout(const QString &content, StemTableModel &table);

signals:
    // A layout was loaded from the file with this name.
    void loaded(const QString &fileName);

private:
    StemTableModel &m_table;
    StemEditor &m_editor;
    ConfigStore &m_config;
    DialogProvider &m_dialogs;
    QString m_documentsFolder;
};
