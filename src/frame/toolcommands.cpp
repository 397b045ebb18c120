#include "toolcommands.h"

#include <memory>

#include "aboutbox.h"
#include "busypointer.h"
#include "documentprintout.h"
#include "documentwindow.h"
#include "executionwindow.h"
#include "helpwindow.h"
#include "holdpanestarter.h"
#include "identifywindow.h"
#include "keptprinter.h"
#include "mainwindow.h"
#include "messages.h"
#include "monitorwindow.h"
#include "portbindingdialog.h"
#include "portdirectory.h"
#include "printer.h"
#include "printsetup.h"
#include "receivefilewindow.h"
#include "sendfilewindow.h"
#include "supportbox.h"
#include "terminalwindow.h"
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

// The execution window over the open communication, on the active port. Modal without blocking
// here; it goes when it closes.
void RunCommand(MainWindow& window) {
    const DocumentWindow* document = window.documentWindow();
    if (!document) return;
    RunRequest request;
    request.definition = window.definition();
    request.options = document->options();
    request.kindLine = document->kindLine();
    request.saved = document->isSaved();
    request.port = window.activePort();
    auto* form = new ExecutionWindow(request, window.portFactory(), window.clock(), &window);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
}

// Prints on the printer the setup chose (the platform's default until then). A print that
// cannot happen is reported and the program carries on.
void PrintCommand(MainWindow& window) {
    const DocumentWindow* document = window.documentWindow();
    if (!document) return;
    print::PrintOutcome outcome;
    {
        const BusyPointer busy(&window);
        outcome = print::PrintCommPrintout(print::KeptPrinter(&window),
                                           print::PrintoutFromDocument(*document));
    }
    if (!outcome.message.isEmpty())
        ui::ShowMessage(&window, outcome.message,
                        outcome.ok ? ui::MessageIcon::Information : ui::MessageIcon::Critical);
}

void PrintSetupCommand(MainWindow& window) {
    const BusyPointer busy(&window);
    print::RunPrinterSetup(&window, print::KeptPrinter(&window));
}

// The monitor starts from its fixed settings every time, sits 100 twips right of and 1080 twips
// below the main window's corner, and is modal until it closes.
void MonitorCommand(MainWindow& window) {
    const BusyPointer busy(&window);
    CommDefinition& definition = window.definition();
    definition.MonitorSettings = QStringLiteral("9600,O,8,1");
    definition.MonitorSettingsText = ShownSettingsText(definition.MonitorSettings);
    MonitorWindow monitor(definition, window.activePort(), window.portFactory(), window.clock(),
                          &window);
    const auto pixelsX = [&window](int twips) { return twips * window.logicalDpiX() / 1440; };
    const auto pixelsY = [&window](int twips) { return twips * window.logicalDpiY() / 1440; };
    monitor.move(window.pos() + QPoint(pixelsX(100), pixelsY(1080)));
    monitor.exec();
}

// The identification window on the active port, modal until it closes; it starts the Holdpane
// that lies beside the program.
void IdentifyCommand(MainWindow& window) {
    const BusyPointer busy(&window);
    IdentifyWindow form(window.activePort(), window.portFactory(), window.clock(),
                        std::make_unique<ProgramHoldpaneStarter>(window.programFolder()), &window);
    form.exec();
}

// The terminal on the active port, modal until it closes, since it holds the port as the monitor
// does.
void TerminalCommand(MainWindow& window) {
    TerminalWindow form(window.activePort(), window.portFactory(), window.clock(), &window);
    form.exec();
}

// The file sender and receiver on the active port, modal until they close.
void SendFileCommand(MainWindow& window) {
    SendFileWindow form(window.activePort(), window.portFactory(), window.clock(),
                        window.programFolder(), &window);
    form.exec();
}

void ReceiveFileCommand(MainWindow& window) {
    const BusyPointer busy(&window);
    ReceiveFileWindow form(window.activePort(), window.portFactory(), window.clock(),
                           window.programFolder(), &window);
    form.exec();
}

void HelpContentsCommand(MainWindow& window) {
    help::HelpWindow help(&window);
    help.exec();
}

void SupportCommand(MainWindow& window) {
    const BusyPointer busy(&window);
    help::SupportBox box(&window);
    box.exec();
}

void AboutCommand(MainWindow& window) {
    const BusyPointer busy(&window);
    help::AboutBox box(&window);
    box.exec();
}

void PortBindingCommand(MainWindow& window) {
    PortBindingDialog dialog(PortDirectory::current(), &window);
    dialog.exec();
}

}  // namespace comm
