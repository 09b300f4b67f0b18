#pragma once

#include <QObject>
#include <QString>

#include <array>

class ConfigStore;

// The current track format of the stem panel: six format keys (five named formats
// and a run of numbered objects), the channel list shown for the current format and
// the object prefix and quantity. Names, lists and the last choice persist.
class TrackFormats final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TrackFormats)

public:
    static constexpr int keyCount = 6;
    static constexpr int namedKeyCount = 5;
    static constexpr int objectsKey = 5;

    explicit TrackFormats(ConfigStore &config, QObject *parent = nullptr);

    // The keys' and object fields' own opening: captions and the prefix and quantity.
    void fmt_open1();
    void openObjectFields();

    QString caption(int key) const;
    // The lit key, or -1 when none is.
    int litKey() const;
    int fmtindex() const { return m_fmtindex; }
    QString formatname() const { return m_formatname; }
    QString sformat() const { return m_sformat; }
    QString trkfmt() const { return m_trkfmt; }
    QString pfix() const { return m_pfix; }
    QString oqty() const { return m_oqty; }
    bool objectsLit() const { return litKey() == objectsKey; }

    void Settrkfmt(int key);
    void Formatkey(int key);
    void updateformat(int key, const QString &name, const QString &list);
    void setSformat(const QString &name);

    // Text changes of the object fields, whether typed or set by the program.
    void setPfix(const QString &prefix);
    void setOqty(const QString &quantity);
    // "+" (1) and "-" (-1) of the object quantity.
    void stepObjectQuantity(int step);
    // Clicking into the prefix or quantity field selects objects.
    void objectFieldFocused();

    void setTrkfmt(const QString &list);
    void trkfmtLostFocus();

    // A contextual click on a named format key opens "Set Format" for it.
    void fmt_mousedown1(int key, bool contextual);

    static QString defaultCaption(int key);
    static QString defaultList(int key);

signals:
    void changed();
    void setFormatRequested(int key, const QString &name, const QString &list);

private:
    static void checkKey(int key);
    void setObjectField(QString &field, const QString &text);

    ConfigStore &m_config;
    std::array<QString, keyCount> m_captions;
    int m_fmtindex = -1;
    QString m_formatname = QStringLiteral("format2");
    QString m_sformat;
    QString m_trkfmt;
    QString m_pfix = QStringLiteral("O");
    QString m_oqty = QStringLiteral("10");
};
