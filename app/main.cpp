#include <QApplication>
#include <QIcon>

#include "commdefinition.h"
#include "mainwindow.h"
#include "messages.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    comm::ui::InstallChineseStandardTexts();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/help/pictures/program.png")));
    QGuiApplication::setDesktopFileName(QStringLiteral("rs232comm"));

    comm::CommDefinition definition;
    comm::MainWindow window(definition);
    window.show();
    window.startFromCommandLine(app.arguments().mid(1).join(QLatin1Char(' ')));
    return app.exec();
}
