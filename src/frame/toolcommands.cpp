#include "toolcommands.h"

#include <memory>

#include "busypointer.h"
#include "mainwindow.h"
#include "wizard.h"

// Each command shows the hourglass over the main window while its window is open, where the
// command calls for it, and restores the pointer however the window closes.

namespace comm {

// The wizard's three steps; when its last step finishes, window.newDocumentWindow() shows the
// new communication. The steps are modal without blocking here, so the hourglass and the wizard
// live until its last step closes, whichever way it closes.
void NewCommand(MainWindow& window) {
    auto busy = std::make_shared<BusyPointer>(&window);
    auto* wizard = new NewCommWizard(
        window.definition(), [&window] { window.newDocumentWindow(); }, &window);
    QObject::connect(wizard, &NewCommWizard::finished, wizard, [wizard, busy]() mutable {
        busy.reset();
        wizard->deleteLater();
    });
    wizard->start();
}

void RunCommand(MainWindow& window) {
    Q_UNUSED(window);
}

void PrintCommand(MainWindow& window) {
    const BusyPointer busy(&window);
}

void PrintSetupCommand(MainWindow& window) {
    const BusyPointer busy(&window);
}

void MonitorCommand(MainWindow& window) {
    const BusyPointer busy(&window);
}

void IdentifyCommand(MainWindow& window) {
    const BusyPointer busy(&window);
}

void SendFileCommand(MainWindow& window) {
    Q_UNUSED(window);
}

void ReceiveFileCommand(MainWindow& window) {
    const BusyPointer busy(&window);
}

void HelpContentsCommand(MainWindow& window) {
    Q_UNUSED(window);
}

void SupportCommand(MainWindow& window) {
    const BusyPointer busy(&window);
}

void AboutCommand(MainWindow& window) {
    const BusyPointer busy(&window);
}

}  // namespace comm
