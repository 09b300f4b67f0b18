#include "widgetdialogprovider.h"

#include <QMessageBox>

void WidgetDialogProvider::showMessage(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok, m_parentWindow);
    box.exec();
}
