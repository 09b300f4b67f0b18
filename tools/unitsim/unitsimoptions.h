#pragma once

#include "unitconfig.h"

#include <QStringList>

#include <optional>

// The simulator's command line, read into the configuration of its units.
struct UnitSimOptions
{
    UnitConfig unit;
    // A second unit of the other role in the same process, on its own address.
    std::optional<UnitConfig> secondUnit;
    bool serial = false;
    bool help = false;
    QString helpText;
    // Set when the command line cannot be used: one line saying why.
    QString error;

    static UnitSimOptions parse(const QStringList &arguments);
};
