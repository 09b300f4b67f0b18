#pragma once

#include <QString>

// Every modal question and message of the program goes through this interface, so
// that tests can script the answers and read what would have been shown.
class DialogProvider
{
public:
    virtual ~DialogProvider() = default;

    // A modal message box with the text alone and one button to dismiss it.
    virtual void showMessage(const QString &text) = 0;
};
