#include "res/Resources.h"

#include <QtCore/qglobal.h>

// Q_INIT_RESOURCE declares a function of the global namespace, so it cannot be expanded
// inside namespace lumet.
static void InitLumetResources() {
    Q_INIT_RESOURCE(lumet);
}

namespace lumet {

void InitResources() {
    InitLumetResources();
}

} // namespace lumet
