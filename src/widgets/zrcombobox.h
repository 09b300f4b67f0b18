#pragma once

#include <QComboBox>

// An editable combo box whose entries and selection the program sets as a whole.
class ZrComboBox final : public QComboBox
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ZrComboBox)

public:
    explicit ZrComboBox(QWidget *parent = nullptr);

    // Replaces the entries and selects `selected` (-1: none) without raising the
    // box's change signals; the typed text is kept.
    void setEntries(const QStringList &entries, int selected);
};
