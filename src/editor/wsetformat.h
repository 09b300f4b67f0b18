#pragma once

#include "popupwindow.h"

class QLineEdit;
class TrackFormats;

// "Set Format": gives a format key a new name and channel list.
class WSetFormat final : public PopupWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WSetFormat)

public:
    explicit WSetFormat(TrackFormats &formats, QWidget *parent = nullptr);

    // Shows the dialog for key `key`, filled with its name and list.
    void setformat(int key, const QString &name, const QString &list);
    int a() const { return m_a; }

    QLineEdit &tname() { return *m_tname; }
    QLineEdit &tformat() { return *m_tformat; }

    void kset_Action();
    void kabort_Action();

private:
    TrackFormats &m_formats;
    QLineEdit *m_tname;
    QLineEdit *m_tformat;
    int m_a = 0;
};
