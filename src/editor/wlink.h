#pragma once

#include "popupwindow.h"

class QComboBox;
class StemSlotChooser;

// "Link To": picks the stem slot of one VK cell; opens next to the mouse.
class WLink final : public PopupWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WLink)

public:
    explicit WLink(StemSlotChooser &chooser, QWidget *parent = nullptr);

    QComboBox &plink() { return *m_plink; }

    // Refills the menu from the chooser and shows the dialog beside the pointer.
    void showChoice(const QString &title);

private:
    StemSlotChooser &m_chooser;
    QComboBox *m_plink;
};
