#include "mainwindowplacement.h"

std::optional<QPoint> MainWindowPlacement::positionAfterMove(QPoint position, int screenCount,
                                                             int availableTop)
{
    if (position.y() <= 0)
        return std::nullopt;
    if (screenCount == 1 && position.y() < availableTop)
        position.setY(availableTop);
    return position;
}
