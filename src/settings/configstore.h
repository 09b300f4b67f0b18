#pragma once

#include <QPoint>
#include <QSize>
#include <QString>

#include <array>

// The settings: 128 key/value pairs of text kept in a fixed table and mirrored, line
// for line, in one file of 256 lines. Every put that changes a value rewrites the file.
class ConfigStore
{
public:
    enum class LoadResult { Loaded, DirectoryMissing, FileMissing };

    static constexpr int pairCount = 128;
    static constexpr int entryCount = 2 * pairCount;

    // `folder` is the folder that holds the settings file; an empty text means the
    // platform has none to offer.
    explicit ConfigStore(QString folder = defaultFolder());

    // The per-user application-data folder.
    static QString defaultFolder();

    LoadResult initconfig(const QString &name);

    // Index of the pair holding `key`, or of the first free pair when it is missing;
    // -1 when the key is missing and no pair is free. Sets cfound().
    int findconfig(const QString &key);
    bool cfound() const { return m_cfound; }

    QString getstring(const QString &key);
    int getint(const QString &key);
    bool getbool(const QString &key);

    void putconfig(const QString &key, const QString &value);
    void putconfig(const QString &key, int value);
    void putstring(const QString &key, const QString &value);
    void putint(const QString &key, int value);
    void putbool(const QString &key, bool value);

    void saveconfig();

    // The window operations keep left/top and width/height under name + "_left",
    // "_top", "_width" and "_height"; the get operations change only what is stored.
    void getwindowpoz(QPoint &position, const QString &name);
    void putwindowpoz(const QPoint &position, const QString &name);
    void getwindowsize(QSize &size, const QString &name);
    void putwindowsize(const QSize &size, const QString &name);

    // Full path of the settings file; empty before initconfig() or without a folder.
    QString filePath() const;

private:
    QString m_folder;
    QString m_filename;
    std::array<QString, entryCount> m_parray;
    bool m_cfound = false;
};
