#pragma once

#include <QPoint>

#include <optional>

// Where the main window goes after the user has moved it.
class MainWindowPlacement
{
public:
    // The position to keep (and store) after a move to `position`, or nothing when a
    // move to the top edge or above it is to be ignored. On a single screen the title
    // bar is kept out from under the menu bar.
    static std::optional<QPoint> positionAfterMove(QPoint position, int screenCount,
                                                   int availableTop);
};
