#pragma once

#include <QWidget>

// A small non-modal dialog window that opens next to the mouse pointer.
class PopupWindow : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PopupWindow)

public:
    explicit PopupWindow(Qt::WindowFlags flags, QWidget *parent = nullptr);

    int popuptype() const { return m_popuptype; }
    int column() const { return m_column; }

    // Places the window beside the pointer and shows it.
    void popup(const QString &title, int type, int column);

    // Left edge and top for a window `width` wide opened at the pointer `mouse`: to the
    // right of the pointer, or to its left when the screen ends too soon.
    static QPoint popupPosition(QPoint mouse, int width, int screenWidth);

private:
    int m_popuptype = 0;
    int m_column = 0;
};
