#include "holdpanestarter.h"

namespace comm {

QString HoldpaneFileName() {
    return QStringLiteral("Holdpane");
}

}  // namespace comm
