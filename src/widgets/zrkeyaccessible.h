#pragma once

#include <QAccessibleWidget>

class ZrKey;

// Presents a lit key to assistive technology as a push button named by its caption.
class ZrKeyAccessible final : public QAccessibleWidget
{
public:
    explicit ZrKeyAccessible(ZrKey *key);

    // Makes the accessibility framework use this class for every ZrKey.
    static void registerFactory();

    QString text(QAccessible::Text textType) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    ZrKey *key() const;
};
