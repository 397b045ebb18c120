// Shows one help window on the display for a screenshot and prints its geometry as
// WIDTHxHEIGHT+X+Y. Usage: help_showcase help|about|support [topic key]
#include <QApplication>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>
#include <memory>

#include "aboutbox.h"
#include "helpwindow.h"
#include "supportbox.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString which = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("help");
    std::unique_ptr<QDialog> window;
    if (which == QLatin1String("about")) {
        window = std::make_unique<comm::help::AboutBox>();
    } else if (which == QLatin1String("support")) {
        window = std::make_unique<comm::help::SupportBox>();
    } else {
        auto help = std::make_unique<comm::help::HelpWindow>();
        if (argc > 2) {
            auto* tree = help->findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
            tree->setCurrentItem(help->topicItem(QString::fromLatin1(argv[2])));
        }
        window = std::move(help);
    }
    window->move(20, 20);
    window->show();
    window->activateWindow();
    QTimer::singleShot(300, [&window] {
        const QRect frame = window->frameGeometry();
        std::printf("%dx%d+%d+%d\n", frame.width(), frame.height(), frame.x(), frame.y());
        std::fflush(stdout);
    });
    return app.exec();
}
