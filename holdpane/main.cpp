// Holdpane: started by the settings identification once per candidate; takes no arguments, reads
// and writes nothing, and ends by itself shortly after it has built its hidden list.
#include <QApplication>

#include "holdpaneform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    holdpane::HoldpaneForm form;
    QObject::connect(&form, &holdpane::HoldpaneForm::unloaded, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    return app.exec();
}
