#pragma once

#include "dialogprovider.h"

#include <QPointer>
#include <QWidget>

// The real dialogs, shown over the main window once it exists.
class WidgetDialogProvider final : public DialogProvider
{
public:
    void setParentWindow(QWidget *window) { m_parentWindow = window; }

    void showMessage(const QString &text) override;
    QString askOpenFileName(const FileDialogRequest &request) override;
    QString askSaveFileName(const FileDialogRequest &request) override;

private:
    QPointer<QWidget> m_parentWindow;
};
