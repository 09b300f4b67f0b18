#include "zrkey.h"

#include "configstore.h"
#include "zrkeyaccessible.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

ZrKey::ZrKey(ConfigStore &config, const QString &controlName, int index, QWidget *parent)
    : QWidget(parent), m_config(config), m_settingsKey(controlName + QString::number(index))
{
    ZrKeyAccessible::registerFactory();
    setObjectName(controlName + QString::number(index));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void ZrKey::open()
{
    m_textsize = height() * 3 / 7;
    m_caption = m_config.getstring(m_settingsKey);
    emit open1();
}

void ZrKey::setcaption(const QString &text)
{
    if (text.compare(m_caption, Qt::CaseInsensitive) == 0)
        return;
    m_config.putstring(m_settingsKey, text);
    assignCaption(text);
}

void ZrKey::assignCaption(const QString &text)
{
    m_caption = text;
    QAccessibleEvent nameChanged(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nameChanged);
    update();
}

void ZrKey::setlit(bool lit)
{
    if (lit == m_lit)
        return;
    m_lit = lit;
    update();
}

void ZrKey::setcolor(const QString &colorName)
{
    if (colorName.compare(u"red"_s, Qt::CaseInsensitive) == 0)
        m_litcolor = QColor(0xFF, 0x00, 0x00);
    else if (colorName.compare(u"lime"_s, Qt::CaseInsensitive) == 0)
        m_litcolor = QColor(0x00, 0xFF, 0x00);
    update();
}

void ZrKey::setLitColor(const QColor &color)
{
    m_litcolor = color;
    update();
}

void ZrKey::setOffColor(const QColor &color)
{
    m_offcolor = color;
    update();
}

void ZrKey::setUnderline(bool underline)
{
    m_underline = underline;
    update();
}

void ZrKey::setheight(int height)
{
    setFixedHeight(height);
    settextsize(height * 4 / 7);
}

void ZrKey::settagnum(int number)
{
    m_tag = number;
    setcaption(QString::number(number));
}

void ZrKey::settextsize(int size)
{
    m_textsize = size;
    update();
}

void ZrKey::Togkey()
{
    m_lit = !m_lit;
    update();
}

void ZrKey::Togglelit()
{
    Togkey();
}

void ZrKey::Setvisible(bool visible)
{
    setVisible(visible);
}

void ZrKey::Setwidth(int width)
{
    setFixedWidth(width);
}

void ZrKey::click()
{
    press(false);
    release(rect().center());
}

QPoint ZrKey::captionOrigin(int width, int height, int textWidth, int textSize)
{
    const int x = int((width - textWidth) / 2.0);
    const int y = int((height + textSize) / 2.0) - height / 8;
    return {x, y};
}

void ZrKey::redraw(QPainter &painter) const
{
    const int w = width();
    const int h = height();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_lit ? m_litcolor : m_offcolor);
    // Corner arcs 8 pixels wide and high are radii of 4.
    painter.drawRoundedRect(QRectF(2, 2, w - 4, h - 4), 4, 4);

    if (!m_caption.isEmpty()) {
        QFont font(QString::fromLatin1(textfont));
        font.setPointSize(std::max(1, m_textsize));
        font.setUnderline(m_underline);
        painter.setFont(font);
        painter.setPen(m_lit ? m_textLitColor : m_textOffColor);
        const int textWidth = painter.fontMetrics().horizontalAdvance(m_caption);
        painter.drawText(captionOrigin(w, h, textWidth, m_textsize), m_caption);
    }
    drawring(painter);
}

void ZrKey::drawring(QPainter &painter) const
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(m_kdown ? QColor(0xFF, 0xFF, 0xFF) : QColor(0x49, 0x83, 0xB1));
    painter.drawRoundedRect(QRectF(0.5, 0.5, width() - 1, height() - 1), 4, 4);
}

void ZrKey::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    redraw(painter);
}

void ZrKey::mousePressEvent(QMouseEvent *event)
{
    bool contextual = event->button() == Qt::RightButton;
#ifdef Q_OS_MACOS
    // Control-click is the contextual click on a Mac; Qt reports Control as Meta there.
    contextual = contextual || (event->button() == Qt::LeftButton &&
                                event->modifiers().testFlag(Qt::MetaModifier));
#endif
    press(contextual);
    event->accept();
}

void ZrKey::mouseReleaseEvent(QMouseEvent *event)
{
    // The release acts wherever the pointer is, like the units' own panel keys.
    release(event->position().toPoint());
    event->accept();
}

bool ZrKey::isActivationKey(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
           event->key() == Qt::Key_Enter;
}

void ZrKey::keyPressEvent(QKeyEvent *event)
{
    if (!isActivationKey(event)) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat())
        press(false);
    event->accept();
}

void ZrKey::keyReleaseEvent(QKeyEvent *event)
{
    if (!isActivationKey(event)) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    if (!event->isAutoRepeat() && m_kdown)
        release(rect().center());
    event->accept();
}

void ZrKey::press(bool contextual)
{
    m_kdown = true;
    update();
    emit mousedown1(contextual);
}

void ZrKey::release(const QPoint &position)
{
    m_kdown = false;
    update();
    emit action();
    emit mouseup1(position.x(), position.y());
}
