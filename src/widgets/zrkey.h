#pragma once

#include <QColor>
#include <QWidget>

class ConfigStore;

// A rounded key that the program paints itself: lit or unlit colour, a centred
// caption that persists in the settings, and a ring that turns white while pressed.
class ZrKey final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ZrKey)

public:
    // Font of every key caption; the toolkit falls back where it is missing.
    static constexpr auto textfont = "tahoma";

    // The caption is kept under `controlName` + `index`; keys outside a group use -1.
    ZrKey(ConfigStore &config, const QString &controlName, int index = -1,
          QWidget *parent = nullptr);

    // Reads the caption from the settings and raises open1(); call once the owner has
    // connected to the key's signals.
    void open();

    QString settingsKey() const { return m_settingsKey; }

    bool lit() const { return m_lit; }
    QString caption() const { return m_caption; }
    QColor litcolor() const { return m_litcolor; }
    QColor offcolor() const { return m_offcolor; }
    int textsize() const { return m_textsize; }
    bool underline() const { return m_underline; }
    int Tag() const { return m_tag; }
    bool kdown() const { return m_kdown; }

    void setcaption(const QString &text);
    // Shows a caption without storing it in the settings.
    void assignCaption(const QString &text);
    void setlit(bool lit);
    void setcolor(const QString &colorName);
    void setLitColor(const QColor &color);
    void setOffColor(const QColor &color);
    void setUnderline(bool underline);
    void setheight(int height);
    void settagnum(int number);
    void settextsize(int size);
    void Togkey();
    void Togglelit();
    void Setvisible(bool visible);
    void Setwidth(int width);

    // What a mouse click does, for the keyboard and assistive technology.
    void click();

    void redraw(QPainter &painter) const;
    void drawring(QPainter &painter) const;

    // Left end and baseline of a caption `textWidth` pixels wide on a key of the
    // given size.
    static QPoint captionOrigin(int width, int height, int textWidth, int textSize);

signals:
    void action();
    void mouseup1(int x, int y);
    void open1();
    void mousedown1(bool contextual);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    static bool isActivationKey(const QKeyEvent *event);
    void press(bool contextual);
    void release(const QPoint &position);

    ConfigStore &m_config;
    QString m_settingsKey;
    QColor m_litcolor{0x00, 0xFF, 0x40};
    bool m_lit = false;
    QString m_caption;
    QColor m_textLitColor{0x00, 0x00, 0x00};
    QColor m_textOffColor{0xFF, 0xFF, 0xFF};
    int m_textsize = 12;
    bool m_underline = false;
    int m_tag = -1;
    bool m_kdown = false;
    QColor m_offcolor{0x24, 0x4F, 0x6E};
};
