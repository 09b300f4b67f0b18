#include "configstore.h"
#include "configwriteerror.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <climits>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

class ConfigStoreTest : public ::testing::Test
{
protected:
    QString path() const { return QDir(folder.path()).filePath(u"vk-2.ini"_s); }

    void writeFile(const QByteArray &content) const
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    void writeLines(const QStringList &lines) const
    {
        QByteArray content;
        for (const QString &line : lines)
            content += line.toUtf8() + '\n';
        writeFile(content);
    }

    QStringList fileLines() const
    {
        QFile file(path());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QString content = QString::fromUtf8(file.readAll());
        EXPECT_TRUE(content.endsWith(u'\n'));
        content.chop(1);
        return content.split(u'\n');
    }

    ConfigStore &openStore()
    {
        store.initconfig(u"vk-2"_s);
        return store;
    }

    QTemporaryDir folder;
    ConfigStore store{folder.path()};
};

TEST_F(ConfigStoreTest, MissingKeysAnswerTheirFixedResults)
{
    ConfigStore &config = openStore();
    config.putstring(u"stored"_s, u"-1"_s);

    EXPECT_EQ(config.getstring(u"absent"_s), QString());
    EXPECT_FALSE(config.cfound());
    EXPECT_EQ(config.getint(u"absent"_s), -1);
    EXPECT_FALSE(config.cfound());
    EXPECT_FALSE(config.getbool(u"absent"_s));
    EXPECT_FALSE(config.cfound());

    EXPECT_EQ(config.getint(u"stored"_s), -1);
    EXPECT_TRUE(config.cfound());
}

TEST_F(ConfigStoreTest, FirstRunHasNoFileUntilAValueChanges)
{
    EXPECT_EQ(store.initconfig(u"vk-2"_s), ConfigStore::LoadResult::FileMissing);

    store.putstring(u"empty"_s, QString());
    EXPECT_FALSE(QFile::exists(path())) << "an empty new value stays in the table";

    store.putint(u"main_left"_s, 120);
    EXPECT_TRUE(QFile::exists(path()));
    const QStringList lines = fileLines();
    ASSERT_EQ(lines.size(), ConfigStore::entryCount);
    EXPECT_EQ(lines.mid(0, 4), (QStringList{u"empty"_s, QString(), u"main_left"_s, u"120"_s}));
}

TEST_F(ConfigStoreTest, NoFolderMeansTheDirectoryIsMissing)
{
    ConfigStore config{QString()};
    EXPECT_EQ(config.initconfig(u"vk-2"_s), ConfigStore::LoadResult::DirectoryMissing);
    config.putint(u"main_left"_s, 3);
    EXPECT_EQ(config.getint(u"main_left"_s), 3);
}

TEST_F(ConfigStoreTest, AFolderNotYetMadeIsCreatedByTheFirstSave)
{
    const QString nested = QDir(folder.path()).filePath(u"not/yet"_s);
    ConfigStore config{nested};
    EXPECT_EQ(config.initconfig(u"vk-2"_s), ConfigStore::LoadResult::FileMissing);
    config.putbool(u"vk1x2"_s, true);
    EXPECT_TRUE(QFile::exists(QDir(nested).filePath(u"vk-2.ini"_s)));
}

TEST_F(ConfigStoreTest, KeysIgnoreLetterCaseAndTakeTheLatestSpelling)
{
    ConfigStore &config = openStore();
    config.putstring(u"Fmt0"_s, u"Dialog"_s);
    EXPECT_EQ(config.getstring(u"FMT0"_s), u"Dialog"_s);
    EXPECT_TRUE(config.cfound());

    config.putstring(u"fmt0"_s, u"Music"_s);
    EXPECT_EQ(fileLines().mid(0, 2), (QStringList{u"fmt0"_s, u"Music"_s}));
    EXPECT_EQ(config.findconfig(u"FMT0"_s), 0);
}

TEST_F(ConfigStoreTest, AValueChangedOnlyInLetterCaseIsNotWritten)
{
    ConfigStore &config = openStore();
    config.putstring(u"name"_s, u"abc"_s);
    ASSERT_TRUE(QFile::remove(path()));

    config.putstring(u"name"_s, u"ABC"_s);
    config.putstring(u"name"_s, u"abc"_s);
    EXPECT_EQ(config.getstring(u"name"_s), u"abc"_s);
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(ConfigStoreTest, ConvertsStoredTextToNumbersAndBooleans)
{
    const struct
    {
        QString stored;
        int number;
        bool truth;
    } cases[] = {
        {u"12"_s, 12, false},   {u"-7"_s, -7, false},
        {u"12.7"_s, 12, false}, {u" 42px"_s, 42, false},
        {u"abc"_s, 0, false},   {u"-"_s, 0, false},
        {QString(), 0, false},  {u"99999999999"_s, INT_MAX, false},
        {u"true"_s, 0, true},   {u"TRUE"_s, 0, true},
        {u"True"_s, 0, true},   {u"true "_s, 0, false},
        {u"yes"_s, 0, false},
    };
    ConfigStore &config = openStore();
    for (const auto &testCase : cases) {
        config.putstring(u"value"_s, testCase.stored);
        EXPECT_EQ(config.getint(u"value"_s), testCase.number) << testCase.stored.toStdString();
        EXPECT_EQ(config.getbool(u"value"_s), testCase.truth) << testCase.stored.toStdString();
    }
    config.putbool(u"flag"_s, true);
    EXPECT_EQ(config.getstring(u"flag"_s), u"true"_s);
    config.putbool(u"flag"_s, false);
    EXPECT_EQ(config.getstring(u"flag"_s), u"false"_s);
}

TEST_F(ConfigStoreTest, WrittenFileReadsBackExactly)
{
    ConfigStore &config = openStore();
    config.putstring(u"cbstemname0"_s, u"Dx, Dialogue Stem:Mx, Music Stem"_s);
    config.putint(u"fmtindex"_s, 3);
    config.putbool(u"vk1x2"_s, true);
    config.putstring(u"unicode"_s, u"Ü ß é"_s);
    const QStringList written = fileLines();

    ConfigStore reloaded{folder.path()};
    ASSERT_EQ(reloaded.initconfig(u"vk-2"_s), ConfigStore::LoadResult::Loaded);
    EXPECT_EQ(reloaded.getstring(u"cbstemname0"_s), u"Dx, Dialogue Stem:Mx, Music Stem"_s);
    EXPECT_EQ(reloaded.getint(u"fmtindex"_s), 3);
    EXPECT_TRUE(reloaded.getbool(u"vk1x2"_s));
    EXPECT_EQ(reloaded.getstring(u"unicode"_s), u"Ü ß é"_s);

    reloaded.saveconfig();
    EXPECT_EQ(fileLines(), written);
}

TEST_F(ConfigStoreTest, LineEndsInsideAValueBecomeBlanks)
{
    ConfigStore &config = openStore();
    config.putstring(u"first"_s, u"one\ntwo\r\nthree\rfour"_s);
    config.putstring(u"second"_s, u"kept"_s);

    const QStringList lines = fileLines();
    ASSERT_EQ(lines.size(), ConfigStore::entryCount);
    EXPECT_EQ(lines.mid(0, 4),
              (QStringList{u"first"_s, u"one two  three four"_s, u"second"_s, u"kept"_s}));
}

TEST_F(ConfigStoreTest, ReadsAnyLineEnd)
{
    writeFile("a\r\n1\rb\n2\r\nc\r\n3");
    ConfigStore &config = openStore();
    EXPECT_EQ(config.getint(u"a"_s), 1);
    EXPECT_EQ(config.getint(u"b"_s), 2);
    EXPECT_EQ(config.getint(u"c"_s), 3);
}

TEST_F(ConfigStoreTest, AnEmptyThirdLineHidesTheLaterPairs)
{
    writeLines({u"k0"_s, u"v0"_s, QString(), u"v1"_s, u"k2"_s, u"v2"_s});
    ConfigStore &config = openStore();

    EXPECT_EQ(config.getstring(u"k0"_s), u"v0"_s);
    EXPECT_EQ(config.getstring(u"k2"_s), QString());
    EXPECT_FALSE(config.cfound());

    config.putstring(u"new"_s, u"n"_s);
    const QStringList lines = fileLines();
    ASSERT_EQ(lines.size(), ConfigStore::entryCount);
    EXPECT_EQ(lines.mid(0, 6), (QStringList{u"k0"_s, u"v0"_s, u"new"_s, u"n"_s, u"k2"_s, u"v2"_s}));
}

TEST_F(ConfigStoreTest, KeepsOnlyTheFirst256Lines)
{
    QStringList lines;
    for (int line = 0; line < 300; ++line)
        lines.append(line % 2 == 0 ? u"key%1"_s.arg(line / 2) : QString::number(line / 2));
    writeLines(lines);
    ConfigStore &config = openStore();

    EXPECT_EQ(config.getint(u"key127"_s), 127);
    EXPECT_EQ(config.getstring(u"key128"_s), QString());
    EXPECT_FALSE(config.cfound());

    config.putint(u"key0"_s, 1000);
    const QStringList saved = fileLines();
    ASSERT_EQ(saved.size(), ConfigStore::entryCount);
    EXPECT_EQ(saved.at(1), u"1000"_s);
    EXPECT_EQ(saved.mid(2), lines.mid(2, ConfigStore::entryCount - 2));
}

TEST_F(ConfigStoreTest, AFiveLineFileLeavesTheRestEmpty)
{
    writeLines({u"k0"_s, u"v0"_s, u"k1"_s, u"v1"_s, u"k2"_s});
    ConfigStore &config = openStore();

    EXPECT_EQ(config.getstring(u"k1"_s), u"v1"_s);
    EXPECT_EQ(config.getstring(u"k2"_s), QString());
    EXPECT_TRUE(config.cfound());

    config.putstring(u"k3"_s, u"v3"_s);
    const QStringList saved = fileLines();
    ASSERT_EQ(saved.size(), ConfigStore::entryCount);
    EXPECT_EQ(saved.mid(0, 8), (QStringList{u"k0"_s, u"v0"_s, u"k1"_s, u"v1"_s, u"k2"_s, QString(),
                                            u"k3"_s, u"v3"_s}));
    EXPECT_TRUE(saved.mid(8).join(QString()).isEmpty());
}

TEST_F(ConfigStoreTest, WindowGeometryKeysApplyOneByOne)
{
    writeLines({u"main_top"_s, u"12"_s, u"main_left"_s, u"-40"_s, u"main_height"_s, u"300"_s});
    ConfigStore &config = openStore();

    QPoint position(5, 500);
    config.getwindowpoz(position, u"main"_s);
    EXPECT_EQ(position, QPoint(-40, 30)) << "a top above 30 is pulled down to 30";

    QSize size(1201, 421);
    config.getwindowsize(size, u"main"_s);
    EXPECT_EQ(size, QSize(1201, 300));

    QPoint untouched(7, 8);
    config.getwindowpoz(untouched, u"other"_s);
    EXPECT_EQ(untouched, QPoint(7, 8));

    config.putwindowpoz(QPoint(11, 44), u"other"_s);
    config.putwindowsize(QSize(640, 480), u"other"_s);
    EXPECT_EQ(config.getint(u"other_left"_s), 11);
    EXPECT_EQ(config.getint(u"other_top"_s), 44);
    EXPECT_EQ(config.getint(u"other_width"_s), 640);
    EXPECT_EQ(config.getint(u"other_height"_s), 480);
}

TEST_F(ConfigStoreTest, AFullTableDropsNewKeysButKeepsTheOldOnes)
{
    ConfigStore &config = openStore();
    for (int pair = 0; pair < ConfigStore::pairCount; ++pair)
        config.putint(u"key%1"_s.arg(pair), pair);

    testing::internal::CaptureStderr();
    config.putint(u"one too many"_s, 1);
    const std::string error = testing::internal::GetCapturedStderr();

    EXPECT_NE(error.find("one too many"), std::string::npos);
    EXPECT_EQ(config.findconfig(u"one too many"_s), -1);
    EXPECT_FALSE(config.cfound());
    EXPECT_EQ(config.getint(u"one too many"_s), -1);
    config.putint(u"key127"_s, 500);
    EXPECT_EQ(config.getint(u"key127"_s), 500);
    EXPECT_EQ(fileLines().size(), ConfigStore::entryCount);
}

TEST_F(ConfigStoreTest, AFileThatCannotBeOpenedEndsThePutWithAnError)
{
    ConfigStore &config = openStore();
    // A folder in the file's place cannot be opened for writing, not even by root.
    ASSERT_TRUE(QDir(folder.path()).mkdir(u"vk-2.ini"_s));

    testing::internal::CaptureStderr();
    EXPECT_THROW(config.putint(u"main_left"_s, 10), ConfigWriteError);
    const std::string error = testing::internal::GetCapturedStderr();

    EXPECT_NE(error.find("settings not saved"), std::string::npos);
    EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1);
    EXPECT_EQ(config.getint(u"main_left"_s), 10) << "the table holds the new value";
}

TEST_F(ConfigStoreTest, AFileThatCannotBeCreatedIsSkippedQuietly)
{
    // A plain file where the settings folder should be: nothing can be created in it.
    const QString blocked = QDir(folder.path()).filePath(u"blocked"_s);
    {
        QFile blocker(blocked);
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    ConfigStore config{blocked};
    config.initconfig(u"vk-2"_s);

    testing::internal::CaptureStderr();
    EXPECT_NO_THROW(config.putint(u"main_left"_s, 10));
    const std::string error = testing::internal::GetCapturedStderr();

    EXPECT_NE(error.find("cannot create"), std::string::npos);
    EXPECT_EQ(config.getint(u"main_left"_s), 10);
}

TEST_F(ConfigStoreTest, AFailedSaveLeavesTheEarlierFileWhole)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root may write into a read-only folder";
    ConfigStore &config = openStore();
    config.putstring(u"kept"_s, u"value"_s);
    const QStringList before = fileLines();

    // The file stays writable, but no temporary file can be made beside it.
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
    testing::internal::CaptureStderr();
    config.putstring(u"kept"_s, u"changed"_s);
    const std::string error = testing::internal::GetCapturedStderr();
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    EXPECT_NE(error.find("cannot create"), std::string::npos);
    EXPECT_EQ(fileLines(), before);
}

} // namespace
