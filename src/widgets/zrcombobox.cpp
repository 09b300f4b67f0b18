#include "zrcombobox.h"

#include <QSignalBlocker>

ZrComboBox::ZrComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
}

void ZrComboBox::setEntries(const QStringList &entries, int selected)
{
    QStringList current;
    for (int entry = 0; entry < count(); ++entry)
        current.append(itemText(entry));
    if (current == entries && currentIndex() == selected)
        return;
    const QSignalBlocker blocker(this);
    const QString typed = currentText();
    clear();
    addItems(entries);
    setCurrentIndex(selected);
    setEditText(typed);
}
