#include "layoutchecker.h"
#include "stemtablemodel.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class LayoutCheckerTest : public ::testing::Test
{
public:
    // A stem row of `length` tracks from `start` on `port`.
    int add(const QString &name, int length, int start, const QString &port = u"O/P#1"_s)
    {
        table.Rowadd(u"%1 stem\t%1\tStem %2\tStem %2\t0\t\tMono\t%3\t%4\t\t\t%5\t"_s.arg(name)
                         .arg(table.rowCount() + 1)
                         .arg(length)
                         .arg(start)
                         .arg(port));
        return table.rowCount() - 1;
    }

    QStringList findings() const { return LayoutChecker(table).findings(); }

    // The cases below arrange the table themselves.
    StemTableModel table;
};

TEST_F(LayoutCheckerTest, AnOrdinaryLayoutHasNoFindings)
{
    add(u"Dx"_s, 6, 1);
    add(u"Mx"_s, 2, 7);
    add(u"Fx"_s, 8, 1, u"O/P#2 (I/P)"_s);
    table.setCell(0, StemTableModel::t_ssafe, u"S.Safe"_s);
    EXPECT_EQ(findings(), QStringList());
}

TEST_F(LayoutCheckerTest, EachLimitIsNamedWithItsRowAndStem)
{
    const struct
    {
        const char *what;
        std::function<void(LayoutCheckerTest &)> arrange;
        QString expectedStart;
        QString expectedWords;
    } cases[] = {
        {"seventeen rows",
         [](LayoutCheckerTest &test) {
             for (int row = 0; row < 17; ++row)
                 test.add(u"S%1"_s.arg(row), 1, row + 1);
         },
         u"Row 17 (S16)"_s, u"16 rows"_s},
        {"a track above 255",
         [](LayoutCheckerTest &test) { test.add(u"Hi"_s, 4, 126, u"O/P#2 (I/P)"_s); },
         u"Row 1 (Hi)"_s, u"tracks 126 to 129"_s},
        {"a track below 1", [](LayoutCheckerTest &test) { test.add(u"Lo"_s, 2, 0); },
         u"Row 1 (Lo)"_s, u"tracks 0 to 1"_s},
        {"a safe mark beyond port 2's bytes",
         [](LayoutCheckerTest &test) {
             test.add(u"Wide"_s, 8, 60, u"O/P#2 (I/P)"_s);
             test.table.setCell(0, StemTableModel::t_ssafe, u"S.Safe"_s);
         },
         u"Row 1 (Wide)"_s, u"safe mark covers tracks 60 to 67"_s},
        {"a print-master mark above port 1's track 128",
         [](LayoutCheckerTest &test) {
             test.add(u"Top"_s, 4, 127);
             test.table.setCell(0, StemTableModel::t_pmast, u"PM"_s);
         },
         u"Row 1 (Top)"_s, u"print-master mark covers tracks 127 to 130"_s},
        {"a slot above 16",
         [](LayoutCheckerTest &test) {
             test.add(u"Dx"_s, 1, 1);
             test.table.setCell(0, StemTableModel::t_vk2, u"Stem 17"_s);
         },
         u"Row 1 (Dx)"_s, u"\"Stem 17\" in VK #2"_s},
        {"a slot that is no number",
         [](LayoutCheckerTest &test) {
             test.add(u"Dx"_s, 1, 1);
             test.table.setCell(0, StemTableModel::t_vk1, u"Stem"_s);
         },
         u"Row 1 (Dx)"_s, u"\"Stem\" in VK #1"_s},
        {"a continuation row opening a group of eight",
         [](LayoutCheckerTest &test) {
             for (int row = 0; row < 8; ++row)
                 test.add(u"S%1"_s.arg(row), 1, row + 1);
             test.table.Rowadd(u"* S7 stem *\tS71\t\t\t6\t\t\t1\t9\t\t\tO/P#1\t"_s);
         },
         u"Row 9 (S7)"_s, u"group of eight"_s},
        {"more than 128 names on a port",
         [](LayoutCheckerTest &test) {
             for (int row = 0; row < 9; ++row)
                 test.add(u"N%1"_s.arg(row), 16, 1 + 16 * (row % 8));
         },
         u"Row 9 (N8)"_s, u"more than 128 track names"_s},
    };
    for (const auto &testCase : cases) {
        SCOPED_TRACE(testCase.what);
        table.removeAllRows();
        testCase.arrange(*this);
        const QStringList found = findings();
        const bool named = std::any_of(found.begin(), found.end(), [&](const QString &finding) {
            return finding.startsWith(testCase.expectedStart) &&
                   finding.contains(testCase.expectedWords);
        });
        EXPECT_TRUE(named) << found.join(u'\n').toStdString();
    }
}

} // namespace
