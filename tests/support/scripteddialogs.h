#pragma once

#include "dialogprovider.h"

#include <QStringList>

// Records every text the program would have shown.
class ScriptedDialogs final : public DialogProvider
{
public:
    void showMessage(const QString &text) override;

    QStringList messages;
};
