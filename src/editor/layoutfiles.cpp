#include "layoutfiles.h"

#include "configstore.h"
#include "dialogprovider.h"
#include "stemeditor.h"
#include "stemtablemodel.h"
#include "textlines.h"
#include "zrsr.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace {

enum class Section { Stems, Option, Ignored };

} // namespace

LayoutFiles::LayoutFiles(StemTableModel &table, StemEditor &editor, ConfigStore &config,
                         DialogProvider &dialogs, QString documentsFolder, QObject *parent)
    : QObject(parent), m_table(table), m_editor(editor), m_config(config), m_dialogs(dialogs),
      m_documentsFolder(std::move(documentsFolder))
{
}

QString LayoutFiles::fileFilter()
{
    return u"zrtxt (*.zrt)"_s;
}

QString LayoutFiles::saveaszrtfile(const QString &name)
{
    QString extension = name;
    const QString stem = zrsr::splitstop(extension);
    QString path = m_dialogs.askSaveFileName(
        {u"Select a file name "_s, stem + u'.' + extension, m_documentsFolder, fileFilter()});
    if (path.isEmpty())
        return {};
    const QString dottedExtension = u'.' + extension;
    if (!QFileInfo(path).fileName().contains(dottedExtension, Qt::CaseInsensitive))
        path += dottedExtension;
    path = QFileInfo(path).absoluteFilePath();
    m_config.putstring(u"zrt_absolutepath"_s, path);
    return path;
}

QString LayoutFiles::openzrtfile(const QString &name)
{
    QString path = m_dialogs.askOpenFileName(
        {u"Select a Format file"_s, name, m_documentsFolder, fileFilter()});
    if (path.isEmpty())
        return {};
    path = QFileInfo(path).absoluteFilePath();
    m_config.putstring(u"zrt_absolutepath"_s, path);
    return path;
}

QStringList LayoutFiles::layoutLines(const StemTableModel &table, bool twoProtools)
{
    QStringList lines{u"[Stem]"_s};
    for (int row = 0; row < table.rowCount(); ++row)
        lines.append(table.getrow(row));
    lines.append(u"[O/P2]"_s);
    lines.append(twoProtools ? u"true"_s : u"false"_s);
    return lines;
}

void LayoutFiles::ksave()
{
    const QString path = saveaszrtfile(u"VK-2_layout.zrt"_s);
    if (path.isEmpty())
        return;
    QByteArray content;
    for (const QString &line : layoutLines(m_table, m_editor.cbop2()))
        content += line.toUtf8() + '\n';

    // Written beside the old file and renamed over it, so a failed save keeps it.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.commit())
        return;
    m_dialogs.showMessage(u"The layout could not be saved to %1: %2"_s.arg(
        QFileInfo(path).fileName(), file.errorString()));
}

bool LayoutFiles::readLayout(const QString &content, StemTableModel &table)
{
    bool twoProtools = false;
    Section section = Section::Stems;
    for (const QString &line : textlines::splitLines(content)) {
        if (line.isEmpty())
            continue;
        // Every saved row has tabs, so a bracketed line with a tab is a stem whose
        // description starts with "[".
        if (line.startsWith(u'[') && !line.contains(u'\t')) {
            if (line.compare(u"[Stem]"_s, Qt::CaseInsensitive) == 0)
                section = Section::Stems;
            else if (line.compare(u"[O/P2]"_s, Qt::CaseInsensitive) == 0)
                section = Section::Option;
            else
                section = Section::Ignored;
        } else if (section == Section::Stems) {
            table.Rowadd(line);
        } else if (section == Section::Option &&
                   line.compare(u"true"_s, Qt::CaseInsensitive) == 0) {
            twoProtools = true;
        }
    }
    return twoProtools;
}

void LayoutFiles::kload()
{
    const QString path = openzrtfile(u"format.zrt"_s);
    if (path.isEmpty() || !QFileInfo::exists(path))
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_dialogs.showMessage(u"The layout could not be read from %1: %2"_s.arg(
            QFileInfo(path).fileName(), file.errorString()));
        return;
    }
    const QString content = QString::fromUtf8(file.readAll());

    m_table.removeAllRows();
    emit loaded(QFileInfo(path).fileName());
    if (readLayout(content, m_table))
        m_editor.setCbop2(true);
}
