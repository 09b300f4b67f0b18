#include "configstore.h"

#include "configwriteerror.h"
#include "numbertext.h"
#include "textlines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// A line end inside a key or value would shift every later line of the file.
QString withoutLineEnds(QString text)
{
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

void reportOnStandardError(const QString &line)
{
    std::fprintf(stderr, "vk-layout: %s\n", qPrintable(line));
}

} // namespace

ConfigStore::ConfigStore(QString folder) : m_folder(std::move(folder)) {}

QString ConfigStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString ConfigStore::filePath() const
{
    if (m_folder.isEmpty() || m_filename.isEmpty())
        return {};
    return QDir(m_folder).filePath(m_filename);
}

ConfigStore::LoadResult ConfigStore::initconfig(const QString &name)
{
    m_filename = name + u".ini"_s;
    if (m_folder.isEmpty())
        return LoadResult::DirectoryMissing;

    // A folder that does not exist yet is created by the first save, so it only
    // means that the file is missing.
    QFile file(filePath());
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return LoadResult::FileMissing;

    const QStringList lines = textlines::splitLines(QString::fromUtf8(file.readAll()));
    for (qsizetype entry = 0; entry < std::min<qsizetype>(lines.size(), entryCount); ++entry)
        m_parray.at(std::size_t(entry)) = lines.at(entry);
    return LoadResult::Loaded;
}

int ConfigStore::findconfig(const QString &key)
{
    m_cfound = false;
    for (int pair = 0; pair < pairCount; ++pair) {
        const QString &storedKey = m_parray.at(2 * pair);
        if (storedKey.isEmpty())
            return pair;
        if (storedKey.compare(key, Qt::CaseInsensitive) == 0) {
            m_cfound = true;
            return pair;
        }
    }
    return -1;
}

QString ConfigStore::getstring(const QString &key)
{
    const int pair = findconfig(key);
    return m_cfound ? m_parray.at(2 * pair + 1) : QString();
}

int ConfigStore::getint(const QString &key)
{
    const int pair = findconfig(key);
    return m_cfound ? numbertext::numericValue(m_parray.at(2 * pair + 1)) : -1;
}

bool ConfigStore::getbool(const QString &key)
{
    const int pair = findconfig(key);
    return m_cfound && m_parray.at(2 * pair + 1).compare(u"true"_s, Qt::CaseInsensitive) == 0;
}

void ConfigStore::putconfig(const QString &key, const QString &value)
{
    const QString text = withoutLineEnds(value);
    const int pair = findconfig(key);
    if (pair < 0) {
        reportOnStandardError(u"settings table full, \"%1\" not stored"_s.arg(key));
        return;
    }
    m_parray.at(2 * pair) = withoutLineEnds(key);
    QString &storedValue = m_parray.at(2 * pair + 1);
    if (storedValue.compare(text, Qt::CaseInsensitive) == 0)
        return;
    storedValue = text;
    saveconfig();
}

void ConfigStore::putconfig(const QString &key, int value)
{
    putconfig(key, QString::number(value));
}

void ConfigStore::putstring(const QString &key, const QString &value)
{
    putconfig(key, value);
}

void ConfigStore::putint(const QString &key, int value)
{
    putconfig(key, value);
}

void ConfigStore::putbool(const QString &key, bool value)
{
    putconfig(key, value ? u"true"_s : u"false"_s);
}

void ConfigStore::saveconfig()
{
    const QString path = filePath();
    if (path.isEmpty()) {
        reportOnStandardError(u"settings not saved: no folder for the settings file"_s);
        return;
    }

    if (QFileInfo::exists(path)) {
        QFile existing(path);
        if (!existing.open(QIODevice::ReadWrite)) {
            const QString line =
                u"settings not saved: cannot write %1: %2"_s.arg(path, existing.errorString());
            reportOnStandardError(line);
            throw ConfigWriteError(line.toStdString());
        }
    }

    // Written to a temporary file and renamed over the old one, so a crash or a full
    // disk never leaves a torn settings file.
    QDir().mkpath(m_folder);
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        QByteArray content;
        for (const QString &entry : m_parray) {
            content += entry.toUtf8();
            content += '\n';
        }
        file.write(content);
        if (file.commit())
            return;
    }
    reportOnStandardError(
        u"settings not saved: cannot create %1: %2"_s.arg(path, file.errorString()));
}

void ConfigStore::getwindowpoz(QPoint &position, const QString &name)
{
    const int left = getint(name + u"_left"_s);
    if (m_cfound)
        position.setX(left);
    const int top = getint(name + u"_top"_s);
    if (m_cfound)
        position.setY(std::max(top, 30));
}

void ConfigStore::putwindowpoz(const QPoint &position, const QString &name)
{
    putint(name + u"_left"_s, position.x());
    putint(name + u"_top"_s, position.y());
}

void ConfigStore::getwindowsize(QSize &size, const QString &name)
{
    const int width = getint(name + u"_width"_s);
    if (m_cfound)
        size.setWidth(width);
    const int height = getint(name + u"_height"_s);
    if (m_cfound)
        size.setHeight(height);
}

void ConfigStore::putwindowsize(const QSize &size, const QString &name)
{
    putint(name + u"_width"_s, size.width());
    putint(name + u"_height"_s, size.height());
}
