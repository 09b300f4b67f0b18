#include "scripteddialogs.h"

void ScriptedDialogs::showMessage(const QString &text)
{
    messages.append(text);
}
