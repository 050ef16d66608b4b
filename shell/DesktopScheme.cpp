#include "shell/DesktopScheme.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QGuiApplication>

namespace quindle {

namespace {
const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString kAppearance = QStringLiteral("org.freedesktop.appearance");
const QString kAccessibility = QStringLiteral("org.gnome.desktop.a11y.interface");

enum : unsigned { kColorSchemeBit = 1, kContrastBit = 2, kAccessibilityContrastBit = 4 };

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
        if (!reply.isError())
            Answered(group, key, Unwrapped(reply.argumentAt(0)));
    });
}

void TDesktopScheme::SettingChanged(const QDBusMessage& message)
{
    const QVariantList args = message.arguments();
    if (args.size() == 3)
        Changed(args[0].toString(), args[1].toString(), Unwrapped(args[2]));
}

void TDesktopScheme::Answered(const QString& group, const QString& key, const QVariant& value)
{
    const unsigned bit = SettingBit(group, key);
    if (!bit || (FChanged & bit))
        return;
    Take(bit, value);
    Apply();
}

void TDesktopScheme::Changed(const QString& group, const QString& key, const QVariant& value)
{
    const unsigned bit = SettingBit(group, key);
    if (!bit)
        return;
    FChanged |= bit;
    Take(bit, value);
    Apply();
}

unsigned TDesktopScheme::SettingBit(const QString& group, const QString& key)
{
    if (group == kAppearance && key == QLatin1String("color-scheme"))
        return kColorSchemeBit;
    if (group == kAppearance && key == QLatin1String("contrast"))
        return kContrastBit;
    if (group == kAccessibility && key == QLatin1String("high-contrast"))
        return kAccessibilityContrastBit;
    return 0;
}

void TDesktopScheme::Take(unsigned bit, const QVariant& value)
{
    switch (bit) {
    case kColorSchemeBit: FColorScheme = value.toUInt(); break;
    case kContrastBit:
        FContrastKnown = true;
        FContrast = value.toUInt() == 1;
        break;
    default: FAccessibilityContrast = value.toBool(); break;
    }
}

TScheme TDesktopScheme::Wanted() const
{
    return SchemeFor(FColorScheme, FContrastKnown ? FContrast : FAccessibilityContrast);
}

void TDesktopScheme::Apply()
{
    const TScheme scheme = Wanted();
    if (scheme != SchemeOf(QGuiApplication::palette()))
        ApplyScheme(scheme);
}

} // namespace quindle
