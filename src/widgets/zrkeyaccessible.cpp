#include "zrkeyaccessible.h"

#include "zrkey.h"

#include <mutex>

namespace {

QAccessibleInterface *createForZrKey(const QString &className, QObject *object)
{
    if (className == QLatin1String(ZrKey::staticMetaObject.className()))
        return new ZrKeyAccessible(static_cast<ZrKey *>(object));
    return nullptr;
}

} // namespace

ZrKeyAccessible::ZrKeyAccessible(ZrKey *key) : QAccessibleWidget(key, QAccessible::Button)
{
    addControllingSignal(QStringLiteral("action()"));
}

void ZrKeyAccessible::registerFactory()
{
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(createForZrKey); });
}

QString ZrKeyAccessible::text(QAccessible::Text textType) const
{
    if (textType == QAccessible::Name) {
        const QString name = QAccessibleWidget::text(textType);
        return name.isEmpty() ? key()->caption() : name;
    }
    return QAccessibleWidget::text(textType);
}

QAccessible::State ZrKeyAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.pressed = key()->kdown();
    return state;
}

QStringList ZrKeyAccessible::actionNames() const
{
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void ZrKeyAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction())
        key()->click();
    else
        QAccessibleWidget::doAction(actionName);
}

ZrKey *ZrKeyAccessible::key() const
{
    return static_cast<ZrKey *>(widget());
}
