#pragma once

#include "dialogprovider.h"

#include <QList>
#include <QStringList>

// Records every text and dialog the program would have shown and answers file
// dialogs from a queue the test fills; an empty queue answers "cancelled".
class ScriptedDialogs final : public DialogProvider
{
public:
    void showMessage(const QString &text) override;
    QString askOpenFileName(const FileDialogRequest &request) override;
    QString askSaveFileName(const FileDialogRequest &request) override;

    QStringList messages;
    QStringList fileAnswers;
    QList<FileDialogRequest> openRequests;
    QList<FileDialogRequest> saveRequests;

private:
    QString nextFileAnswer();
};
