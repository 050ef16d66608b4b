#include "shell/DesktopScheme.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace quindle {

namespace {
const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString kAppearance = QStringLiteral("org.freedesktop.appearance");
const QString kAccessibility = QStringLiteral("org.gnome.desktop.a11y.interface");

// Read answers a variant holding the value's variant.
QVariant Unwrapped(QVariant v)
{
    while (v.userType() == qMetaTypeId<QDBusVariant>())
        v = v.value<QDBusVariant>().variant();
    return v;
}
} // namespace

TDesktopScheme::TDesktopScheme(QObject* parent) : QObject(parent) {}

TScheme TDesktopScheme::SchemeFor(unsigned colorScheme, bool highContrast)
{
    if (highContrast)
        return TScheme::HighContrast;
    return colorScheme == 1 ? TScheme::Dark : TScheme::Classic;
}

void TDesktopScheme::Follow()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    bus.connect(kService, kPath, kInterface, QStringLiteral("SettingChanged"), this,
                SLOT(SettingChanged(QDBusMessage)));
    Ask(kAppearance, QStringLiteral("color-scheme"));
    Ask(kAppearance, QStringLiteral("contrast"));
    Ask(kAccessibility, QStringLiteral("high-contrast"));
}

void TDesktopScheme::Ask(const QString& group, const QString& key)
{
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Read"));
    call << group << key;
    auto* watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, group, key](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *w;
        if (!reply.isError() && Take(group, key, Unwrapped(reply.argumentAt(0))))
            Apply();
    });
}

void TDesktopScheme::SettingChanged(const QDBusMessage& message)
{
    const QVariantList args = message.arguments();
    if (args.size() == 3 && Take(args[0].toString(), args[1].toString(), Unwrapped(args[2])))
        Apply();
}

bool TDesktopScheme::Take(const QString& group, const QString& key, const QVariant& value)
{
    if (group == kAppearance && key == QLatin1String("color-scheme"))
        FColorScheme = value.toUInt();
    else if (group == kAppearance && key == QLatin1String("contrast")) {
        FContrastKnown = true;
        FContrast = value.toUInt() == 1;
    } else if (group == kAccessibility && key == QLatin1String("high-contrast"))
        FAccessibilityContrast = value.toBool();
    else
        return false;
    return true;
}

void TDesktopScheme::Apply()
{
    const TScheme scheme = SchemeFor(FColorScheme, FContrastKnown ? FContrast : FAccessibilityContrast);
    if (scheme != CurrentScheme())
        ApplyScheme(scheme);
}

} // namespace quindle
