#include "editorfixture.h"
#include "layoutfiles.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

namespace {

const QString exampleLine =
    u"Dialogue Stem\tDx\tStem 1\tStem 1\t2\tL,C,R,Ls,Rs,LFE\t5.1\t6\t1\t\t\tO/P#1\t"_s;

class LayoutFilesTest : public EditorFixture
{
protected:
    QString pathOf(const QString &name) const { return QDir(folder.path()).filePath(name); }

    void writeFile(const QString &name, const QByteArray &content) const
    {
        QFile file(pathOf(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QByteArray readFile(const QString &name) const
    {
        QFile file(pathOf(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void load(const QString &name)
    {
        dialogs.fileAnswers.append(pathOf(name));
        files.kload();
    }

    void save(const QString &name)
    {
        dialogs.fileAnswers.append(pathOf(name));
        files.ksave();
    }

    QTemporaryDir documents;
    LayoutFiles files{table, editor, config, dialogs, documents.path()};
};

TEST_F(LayoutFilesTest, TheExampleLineLoadsIntoItsCellsAndSavesBackTheSame)
{
    writeFile(u"example.zrt"_s, "[Stem]\n" + exampleLine.toUtf8() + "\n[O/P2]\nfalse\n");
    QSignalSpy loaded(&files, &LayoutFiles::loaded);
    load(u"example.zrt"_s);

    ASSERT_EQ(table.rowCount(), 1);
    EXPECT_EQ(table.cell(0, StemTableModel::t_desc), u"Dialogue Stem"_s);
    EXPECT_EQ(table.cell(0, StemTableModel::t_index), u"2"_s);
    EXPECT_EQ(table.cell(0, StemTableModel::t_len), u"6"_s);
    EXPECT_EQ(table.cell(0, StemTableModel::t_start), u"1"_s);
    EXPECT_EQ(table.cell(0, StemTableModel::t_ssafe), QString());
    EXPECT_EQ(table.cell(0, StemTableModel::t_port), u"O/P#1"_s);
    ASSERT_EQ(loaded.count(), 1);
    EXPECT_EQ(loaded.at(0).at(0).toString(), u"example.zrt"_s);

    save(u"again.zrt"_s);
    EXPECT_EQ(readFile(u"again.zrt"_s), readFile(u"example.zrt"_s));
}

TEST_F(LayoutFilesTest, EverySavedCellLoadsBack)
{
    addStem(u"Dx, [M&E] Dialogue"_s, 2);
    addObjects(u"Ob, Objects"_s, u"O"_s, 40);
    editor.lbstem_CellClick(2, StemTableModel::t_ssafe);
    editor.lbstem_CellClick(3, StemTableModel::t_pmast);
    editor.lbstem_CellClick(0, StemTableModel::t_port);
    table.setCell(1, StemTableModel::t_vk2, QString());
    QStringList before;
    for (int row = 0; row < table.rowCount(); ++row)
        before.append(table.getrow(row));
    save(u"round.zrt"_s);

    editor.kclear();
    ASSERT_FALSE(editor.cbop2());
    load(u"round.zrt"_s);
    QStringList after;
    for (int row = 0; row < table.rowCount(); ++row)
        after.append(table.getrow(row));
    EXPECT_EQ(after, before);
    EXPECT_TRUE(editor.cbop2());
    EXPECT_FALSE(table.cellBold(2, StemTableModel::t_ssafe)) << "bold is not saved";
}

TEST_F(LayoutFilesTest, AnEmptyTableIsThreeLines)
{
    save(u"empty.zrt"_s);
    EXPECT_EQ(readFile(u"empty.zrt"_s), "[Stem]\n[O/P2]\nfalse\n");
}

TEST_F(LayoutFilesTest, SectionsDecideWhatALineIs)
{
    writeFile(u"sections.zrt"_s, "Before\tB\r\n"
                                 "\r\n"
                                 "[other]\r\n"
                                 "Ignored\tI\r\n"
                                 "[STEM]\r\n"
                                 "[M&E] Stem\tME\t\r\n"
                                 "Short\r\n"
                                 "[O/P2]\r\n"
                                 "TRUE\r\n");
    load(u"sections.zrt"_s);
    EXPECT_EQ(column(StemTableModel::t_desc),
              (QStringList{u"Before"_s, u"[M&E] Stem"_s, u"Short"_s}));
    EXPECT_EQ(column(StemTableModel::t_name), (QStringList{u"B"_s, u"ME"_s, QString()}));
    EXPECT_TRUE(editor.cbop2());
}

TEST_F(LayoutFilesTest, TheOptionOnlyEverTurnsTwoProtoolsOn)
{
    writeFile(u"false.zrt"_s, "[Stem]\n[O/P2]\nfalse\n");
    writeFile(u"none.zrt"_s, "[Stem]\nA\tB\t\n");
    editor.setCbop2(true);
    load(u"false.zrt"_s);
    EXPECT_TRUE(editor.cbop2());
    load(u"none.zrt"_s);
    EXPECT_TRUE(editor.cbop2());
    EXPECT_EQ(table.rowCount(), 1);
}

TEST_F(LayoutFilesTest, LoadLeavesTheTableWhenNoFileIsRead)
{
    addStem(u"Dx, Dialogue"_s, 2);
    files.kload();
    load(u"missing.zrt"_s);
    EXPECT_EQ(table.rowCount(), 1);
    EXPECT_TRUE(dialogs.messages.isEmpty());

    ASSERT_TRUE(QDir(folder.path()).mkdir(u"folder.zrt"_s));
    load(u"folder.zrt"_s);
    EXPECT_EQ(table.rowCount(), 1);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.at(0).contains(u"folder.zrt"_s));
}

TEST_F(LayoutFilesTest, TheDialogsStartInDocumentsAndRememberThePath)
{
    save(u"mix"_s);
    ASSERT_EQ(dialogs.saveRequests.size(), 1);
    const FileDialogRequest &saveRequest = dialogs.saveRequests.at(0);
    EXPECT_EQ(saveRequest.title, u"Select a file name "_s);
    EXPECT_EQ(saveRequest.suggestedName, u"VK-2_layout.zrt"_s);
    EXPECT_EQ(saveRequest.initialFolder, documents.path());
    EXPECT_EQ(saveRequest.filter, u"zrtxt (*.zrt)"_s);
    EXPECT_TRUE(QFile::exists(pathOf(u"mix.zrt"_s)));
    EXPECT_EQ(config.getstring(u"zrt_absolutepath"_s), pathOf(u"mix.zrt"_s));

    save(u"mix.ZRT.bak"_s);
    EXPECT_TRUE(QFile::exists(pathOf(u"mix.ZRT.bak"_s)));

    load(u"mix.zrt"_s);
    ASSERT_EQ(dialogs.openRequests.size(), 1);
    EXPECT_EQ(dialogs.openRequests.at(0).title, u"Select a Format file"_s);
    EXPECT_EQ(dialogs.openRequests.at(0).suggestedName, u"format.zrt"_s);
    EXPECT_EQ(config.getstring(u"zrt_absolutepath"_s), pathOf(u"mix.zrt"_s));
}

TEST_F(LayoutFilesTest, ACancelledDialogDoesNothing)
{
    addStem(u"Dx, Dialogue"_s, 2);
    files.ksave();
    files.kload();
    EXPECT_EQ(table.rowCount(), 1);
    config.findconfig(u"zrt_absolutepath"_s);
    EXPECT_FALSE(config.cfound());
}

TEST_F(LayoutFilesTest, AFailedSaveSaysSoAndKeepsTheEarlierFile)
{
    addStem(u"Dx, Dialogue"_s, 2);
    save(u"kept.zrt"_s);
    const QByteArray earlier = readFile(u"kept.zrt"_s);

    // Nothing can be written into a folder that is really a file.
    writeFile(u"blocker"_s, "x");
    addStem(u"Mx, Music"_s, 1);
    save(u"blocker/layout.zrt"_s);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.at(0).contains(u"layout.zrt"_s));
    EXPECT_EQ(readFile(u"kept.zrt"_s), earlier);
}

} // namespace
