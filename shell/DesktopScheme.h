#pragma once

// Follows the desktop's dark and high-contrast preferences, read from the
// XDG desktop portal's settings, while the game runs.

#include "paint/Schemes.h"

#include <QObject>

class QDBusMessage;

namespace quindle {

class TDesktopScheme : public QObject {
    Q_OBJECT
public:
    explicit TDesktopScheme(QObject* parent = nullptr);

    // Asks the portal and listens for changes; returns at once. Until an
    // answer comes, and without a portal, the game stays Classic.
    void Follow();

    // colorScheme: 1 prefers dark, 2 light, 0 states nothing.
    static TScheme SchemeFor(unsigned colorScheme, bool highContrast);

    // The scheme the settings heard so far ask for.
    TScheme Wanted() const;
    // A setting as a Read answered it, and as SettingChanged announced it;
    // each applies the scheme. A change is newer than any answer still on
    // its way, so an answer for a setting that changed since is dropped.
    void Answered(const QString& group, const QString& key, const QVariant& value);
    void Changed(const QString& group, const QString& key, const QVariant& value);

private slots:
    // The portal's SettingChanged(namespace, key, value).
    void SettingChanged(const QDBusMessage& message);

private:
    void Ask(const QString& group, const QString& key);
    // The bit of a setting this follows, 0 for any other.
    static unsigned SettingBit(const QString& group, const QString& key);
    void Take(unsigned bit, const QVariant& value);
    void Apply();

    // The settings a SettingChanged has set.
    unsigned FChanged = 0;
    unsigned FColorScheme = 0;
    // The portal's own contrast setting, where it has one, wins over the
    // accessibility settings' high-contrast key.
    bool FContrastKnown = false;
    bool FContrast = false;
    bool FAccessibilityContrast = false;
};

} // namespace quindle
