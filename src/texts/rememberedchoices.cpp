#include "rememberedchoices.h"

namespace comm::texts {

std::unique_ptr<QSettings> OpenRememberedChoices() {
    return std::make_unique<QSettings>(QStringLiteral("rs232comm"), QStringLiteral("rs232comm"));
}

}  // namespace comm::texts
