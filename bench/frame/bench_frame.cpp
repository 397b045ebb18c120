// Prints how long the main window takes to come up, to open the largest communication, to scroll
// its data tables end to end and to save it, and the memory the program holds afterwards.

#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextStream>

#include "documentwindow.h"
#include "framepanel.h"
#include "mainwindow.h"
#include "messages.h"
#include "txlfile.h"

namespace {

double ms(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e6;
}

// The largest communication a file can hold (a count is one byte there), every value entered.
comm::CommDefinition largest() {
    comm::CommDefinition def;
    def.CommKind = 3;
    def.PortSettingIndex = {12, 4, 2, 0};
    def.FrameFieldCount = {10, 255, 10, 10, 10, 255, 10, 10};
    for (comm::FrameSide side : {comm::FrameSide::Send, comm::FrameSide::Recv})
        for (comm::Field field :
             {comm::Field::Start, comm::Field::Data, comm::Field::Check, comm::Field::End}) {
            qint16* v = def.values(side, field);
            for (int i = 0; i < def.count(side, field); ++i) v[i] = qint16(i % 256);
        }
    return def;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir folder;
    const QString name = QStringLiteral("largest.Txl");
    {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::WriteOnly)) return 1;
        file.write(comm::EncodeCommFile(largest(), {5, 100, 1000}, true));
    }
    comm::ui::SetMessageResponder([&out](const QString& text, comm::ui::MessageIcon, bool) {
        out << "unexpected message: " << text << "\n";
        return true;
    });

    QElapsedTimer timer;
    timer.start();
    comm::CommDefinition def;
    comm::MainWindow window(def, folder.path());
    window.show();
    QApplication::processEvents();
    out << "main window up:              " << ms(timer) << " ms\n";

    timer.restart();
    window.startFromCommandLine(name);
    QApplication::processEvents();
    out << "open 255+255-byte file:      " << ms(timer) << " ms\n";
    if (!window.documentWindow()) return 1;

    int steps = 0;
    timer.restart();
    for (comm::FrameSide side : {comm::FrameSide::Send, comm::FrameSide::Recv}) {
        QScrollBar* bar = window.documentWindow()->framePanel(side)->scrollBar();
        for (int v = bar->minimum(); v <= bar->maximum(); ++v, ++steps) bar->setValue(v);
    }
    const double scrolled = ms(timer);
    out << "scroll both tables end to end: " << scrolled << " ms for " << steps << " steps ("
        << scrolled * 1000 / steps << " us a step)\n";

    const int saves = 50;
    window.setFileChooser([&folder](QWidget*, comm::FileDialogMode, const QString&) {
        return folder.filePath(QStringLiteral("copy.Txl"));
    });
    timer.restart();
    for (int i = 0; i < saves; ++i) window.saveComm();
    out << "save the largest file:       " << ms(timer) / saves << " ms a save\n";

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    out << "peak resident memory:        " << usage.ru_maxrss / 1024.0 << " MiB\n";
    return 0;
}
