#pragma once

// Registering the view assistive technology gets of a control class.

#include <QAccessible>

namespace quindle {

// Makes VIEW (built from a W*) the accessible interface of W and its
// subclasses; the first call registers, later ones do nothing.
template <typename W, typename View>
void InstallAccessibleView()
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString&, QObject* object) -> QAccessibleInterface* {
            if (auto* w = qobject_cast<W*>(object))
                return new View(w);
            return nullptr;
        });
        return true;
    }();
    (void)installed;
}

} // namespace quindle
