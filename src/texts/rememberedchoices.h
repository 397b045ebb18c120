#pragma once

#include <QSettings>
#include <memory>

namespace comm::texts {

// The one settings file of the program, in the platform's usual place. It keeps only the choices
// that exist beside the program's fixed defaults: the interface language and device bindings.
std::unique_ptr<QSettings> OpenRememberedChoices();

}  // namespace comm::texts
