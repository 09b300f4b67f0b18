#include "scripteddialogs.h"

void ScriptedDialogs::showMessage(const QString &text)
{
    messages.append(text);
}

QString ScriptedDialogs::askOpenFileName(const FileDialogRequest &request)
{
    openRequests.append(request);
    return nextFileAnswer();
}

QString ScriptedDialogs::askSaveFileName(const FileDialogRequest &request)
{
    saveRequests.append(request);
    return nextFileAnswer();
}

QString ScriptedDialogs::nextFileAnswer()
{
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}
