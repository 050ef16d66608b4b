#include "assets/Assets.h"

#include <QtCore/QtGlobal>
#include <QtCore/QDir>

// Outside a namespace: Q_INIT_RESOURCE names a global symbol.
static void initQuindleResource() { Q_INIT_RESOURCE(quindle); }

namespace quindle {
void InitAssets()
{
    static const bool done = (initQuindleResource(), true);
    (void)done;
}
}
