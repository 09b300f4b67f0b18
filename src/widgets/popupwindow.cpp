#include "popupwindow.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

PopupWindow::PopupWindow(Qt::WindowFlags flags, QWidget *parent) : QWidget(parent, flags) {}

QPoint PopupWindow::popupPosition(QPoint mouse, int width, int screenWidth)
{
    const int left = screenWidth < mouse.x() + width + 40 ? mouse.x() - width - 40 : mouse.x() + 40;
    return {left, mouse.y()};
}

void PopupWindow::popup(const QString &title, int type, int column)
{
    const QScreen *firstScreen = QGuiApplication::primaryScreen();
    const int screenWidth = firstScreen ? firstScreen->geometry().width() : 0;
    move(popupPosition(QCursor::pos(), width(), screenWidth));
    setWindowTitle(title);
    m_popuptype = type;
    m_column = column;
    show();
    raise();
}
