#include <QApplication>
#include <QIcon>
#include <QProcessEnvironment>

#include "commdefinition.h"
#include "language.h"
#include "mainwindow.h"
#include "rememberedchoices.h"
#include "translations.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    comm::texts::InstallLanguage(comm::texts::ChosenLanguage(
        *comm::texts::OpenRememberedChoices(), QProcessEnvironment::systemEnvironment()));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/help/pictures/program.png")));
    QGuiApplication::setDesktopFileName(QStringLiteral("rs232comm"));

    comm::CommDefinition definition;
    comm::MainWindow window(definition);
    window.show();
    window.startFromCommandLine(app.arguments().mid(1).join(QLatin1Char(' ')));
    return app.exec();
}
