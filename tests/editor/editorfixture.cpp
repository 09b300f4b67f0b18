#include "editorfixture.h"

using namespace Qt::StringLiterals;

EditorFixture::EditorFixture()
{
    config.initconfig(u"vk-2"_s);
    formats.fmt_open1();
    formats.openObjectFields();
    names.open();
}

void EditorFixture::addStem(const QString &text, int formatKey)
{
    editor.setStemText(text);
    formats.Formatkey(formatKey);
    editor.kadd();
}

void EditorFixture::addObjects(const QString &text, const QString &prefix, int quantity)
{
    editor.setStemText(text);
    formats.setPfix(prefix);
    formats.setOqty(QString::number(quantity));
    formats.Formatkey(TrackFormats::objectsKey);
    editor.kadd();
}

void EditorFixture::useChannelList(int count)
{
    QStringList channels;
    for (int channel = 1; channel <= count; ++channel)
        channels.append(u"Ch"_s + QString::number(channel));
    formats.setTrkfmt(channels.join(u','));
}

QStringList EditorFixture::column(int column) const
{
    QStringList cells;
    for (int row = 0; row < table.rowCount(); ++row)
        cells.append(table.cell(row, column));
    return cells;
}

QStringList EditorFixture::row(int row) const
{
    return table.getrow(row).split(u'\t');
}
