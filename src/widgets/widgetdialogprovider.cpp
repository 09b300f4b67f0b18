#include "widgetdialogprovider.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

void WidgetDialogProvider::showMessage(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok, m_parentWindow);
    box.exec();
}

QString WidgetDialogProvider::askOpenFileName(const FileDialogRequest &request)
{
    return QFileDialog::getOpenFileName(m_parentWindow, request.title,
                                        QDir(request.initialFolder).filePath(request.suggestedName),
                                        request.filter);
}

QString WidgetDialogProvider::askSaveFileName(const FileDialogRequest &request)
{
    return QFileDialog::getSaveFileName(m_parentWindow, request.title,
                                        QDir(request.initialFolder).filePath(request.suggestedName),
                                        request.filter);
}
