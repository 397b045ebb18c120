#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "commdefinition.h"
#include "mainwindow.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_zh_CN"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTexts);

    comm::CommDefinition definition;
    comm::MainWindow window(definition);
    window.show();
    window.startFromCommandLine(app.arguments().mid(1).join(QLatin1Char(' ')));
    return app.exec();
}
