#pragma once

#include <QString>

// What an open or save dialog is asked to show.
struct FileDialogRequest
{
    QString title;
    QString suggestedName;
    QString initialFolder;
    // A filter in the toolkit's form, such as "zrtxt (*.zrt)".
    QString filter;
};

// Every modal question and message of the program goes through this interface, so
// that tests can script the answers and read what would have been shown.
class DialogProvider
{
public:
    virtual ~DialogProvider() = default;

    // A modal message box with the text alone and one button to dismiss it.
    virtual void showMessage(const QString &text) = 0;

    // The chosen file's full path, or an empty text when the user cancelled.
    virtual QString askOpenFileName(const FileDialogRequest &request) = 0;
    virtual QString askSaveFileName(const FileDialogRequest &request) = 0;
};
