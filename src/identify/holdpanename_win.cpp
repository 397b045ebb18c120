#include "holdpanestarter.h"

namespace comm {

QString HoldpaneFileName() {
    return QStringLiteral("Holdpane.exe");
}

}  // namespace comm
