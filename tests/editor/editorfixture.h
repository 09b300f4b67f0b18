#pragma once

#include "configstore.h"
#include "scripteddialogs.h"
#include "stemeditor.h"
#include "stemnamelist.h"
#include "stemslotchooser.h"
#include "stemtablemodel.h"
#include "trackformats.h"

#include <QAbstractItemModelTester>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The editor's logic without any window: a table, the formats, the name list, the
// slot chooser and the editor, on a settings store of their own.
class EditorFixture : public ::testing::Test
{
protected:
    EditorFixture();

    // Puts a stem text into the name box, picks a format key and presses Add.
    void addStem(const QString &text, int formatKey);
    // The same for a run of objects.
    void addObjects(const QString &text, const QString &prefix, int quantity);
    // Uses a user-defined channel list of `count` entries on the lit key.
    void useChannelList(int count);

    QStringList column(int column) const;
    QStringList row(int row) const;

    QTemporaryDir folder;
    ConfigStore config{folder.path()};
    ScriptedDialogs dialogs;
    StemTableModel table;
    QAbstractItemModelTester tester{&table, QAbstractItemModelTester::FailureReportingMode::Fatal};
    TrackFormats formats{config};
    StemNameList names{config, QStringLiteral("cbstemname"), 0};
    StemSlotChooser chooser{table};
    StemEditor editor{table, formats, names, chooser, config, dialogs};
};
