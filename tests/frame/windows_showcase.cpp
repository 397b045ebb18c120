// Shows one of the program's windows in one language for a screenshot and prints the area to take
// as WIDTHxHEIGHT+X+Y. Every window is opened as the user opens it: the main window opens the
// communication file, then its menu command opens the window; the ports are in-memory ones with a
// device behind them that answers each frame, so a run and a capture have bytes to show.
// Usage: windows_showcase main|document|execution|monitor|help zh_CN|en FILE.Txl
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

#include "executionwindow.h"
#include "helpwindow.h"
#include "language.h"
#include "mainwindow.h"
#include "memoryserialport.h"
#include "translations.h"

namespace {

// The frame the device answers the sample's frame number `frame` with: the start bytes, "01", a
// two-byte reading, the check byte and the end byte.
QByteArray Answer(int frame) {
    QByteArray bytes = QByteArray::fromHex("aa553031");
    bytes.append(char(0x10 + frame)).append(char(0x80 - 3 * frame));
    bytes.append(char(0x41 + frame)).append('\n');
    return bytes;
}

// What a device on the monitored line sends: short frames of readings.
QByteArray Traffic(int frame) {
    QByteArray bytes = QByteArray::fromHex("aa5501020341424344");
    bytes.append(char(frame)).append(char(0x30 + frame)).append("\r\n");
    return bytes;
}

void PrintArea(const QRect& area) {
    std::printf("%dx%d+%d+%d\n", area.width(), area.height(), area.x(), area.y());
    std::fflush(stdout);
}

QWidget* TopLevel(const char* name) {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String(name) && window->isVisible()) return window;
    return nullptr;
}

// Calls `then` with the window named `name` once the command that opens it has shown it.
void WhenShown(QObject* context, const char* name, const std::function<void(QWidget*)>& then) {
    QTimer::singleShot(300, context, [context, name, then] {
        if (QWidget* window = TopLevel(name))
            then(window);
        else
            WhenShown(context, name, then);
    });
}

void PrintLater(QWidget* window, int milliseconds) {
    QTimer::singleShot(milliseconds, window, [window] { PrintArea(window->frameGeometry()); });
}

// An English document window is wider than the main window's first size: the main window is
// widened, as the user would widen it, so that the whole document window shows.
void ShowWholeDocument(comm::MainWindow& window) {
    QMdiSubWindow* frame = window.mdiArea()->subWindowList().value(0);
    const int missing = frame->width() - window.mdiArea()->viewport()->width();
    if (missing <= 0) return;
    window.resize(window.width() + missing, window.height());
    frame->move(0, 0);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString which = args.value(0);
    const auto language = comm::texts::LanguageFromCode(args.value(1));
    const QFileInfo file(args.value(2));
    const QStringList windows = {QStringLiteral("main"), QStringLiteral("document"),
                                 QStringLiteral("execution"), QStringLiteral("monitor"),
                                 QStringLiteral("help")};
    if (args.size() != 3 || !windows.contains(which) || !language || !file.isFile()) {
        std::fprintf(stderr,
                     "usage: windows_showcase main|document|execution|monitor|help "
                     "zh_CN|en FILE.Txl\n");
        return 2;
    }
    if (!comm::texts::InstallLanguage(*language)) {
        std::fprintf(stderr, "windows_showcase: the translation was not found\n");
        return 1;
    }

    comm::MemorySerialPort* port = nullptr;
    comm::PortServices services;
    services.makePort = [&port] {
        auto made = std::make_unique<comm::MemorySerialPort>();
        port = made.get();
        return std::unique_ptr<comm::SerialPort>(std::move(made));
    };
    comm::CommDefinition definition;
    comm::MainWindow window(definition, file.absolutePath(), services);
    window.move(0, 0);
    window.show();
    window.activateWindow();
    window.startFromCommandLine(file.fileName());
    QTimer::singleShot(100, &window, [&window] { ShowWholeDocument(window); });

    if (which == QLatin1String("main")) {
        PrintLater(&window, 700);
    } else if (which == QLatin1String("document")) {
        QTimer::singleShot(700, &window, [&window] {
            const QMdiSubWindow* frame = window.mdiArea()->subWindowList().value(0);
            const QPoint corner = window.mdiArea()->viewport()->mapToGlobal(frame->pos());
            PrintArea(QRect(corner, frame->size()));
        });
    } else if (which == QLatin1String("execution")) {
        window.action(QStringLiteral("RunComm"))->trigger();
        auto* run = qobject_cast<comm::ExecutionWindow*>(TopLevel("Form7"));
        // The device answers each whole frame of the sample after a moment, as a device would.
        auto written = std::make_shared<int>(0);
        QObject::connect(port, &comm::MemorySerialPort::bytesWritten, run,
                         [port, written, run](const QByteArray& bytes) {
                             const int frameLength = int(run->engine()->sendFrame().size());
                             const int before = *written / frameLength;
                             *written += int(bytes.size());
                             const int frame = *written / frameLength;
                             if (frame == before) return;
                             QTimer::singleShot(30, run,
                                                [port, frame] { port->inject(Answer(frame)); });
                         });
        QObject::connect(run->engine(), &comm::RunEngine::runningChanged, run, [run](bool on) {
            if (!on) PrintLater(run, 500);
        });
        run->findChild<QCheckBox*>(QStringLiteral("CheckFrames"))->setChecked(true);
        run->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        if (!run->engine()->isRunning()) {
            std::fprintf(stderr, "windows_showcase: the run did not start\n");
            return 1;
        }
    } else if (which == QLatin1String("monitor")) {
        WhenShown(&window, "Form8", [&port](QWidget* monitor) {
            monitor->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
            for (int frame = 0; frame < 32; ++frame)
                QTimer::singleShot(20 * frame, monitor,
                                   [&port, frame] { port->inject(Traffic(frame)); });
            PrintLater(monitor, 1200);
        });
        // The monitor is modal: its command returns when it closes.
        QTimer::singleShot(0, &window,
                           [&window] { window.action(QStringLiteral("listencomm"))->trigger(); });
    } else {
        WhenShown(&window, "Form13", [](QWidget* shown) {
            auto* help = qobject_cast<comm::help::HelpWindow*>(shown);
            help->findChild<QTreeWidget*>(QStringLiteral("TreeView1"))
                ->setCurrentItem(help->topicItem(QStringLiteral("K01")));
            PrintLater(help, 300);
        });
        QTimer::singleShot(0, &window,
                           [&window] { window.action(QStringLiteral("nr"))->trigger(); });
    }
    return app.exec();
}
