#include "keptprinter.h"

#include <QObject>
#include <QPrinter>

namespace comm::print {

namespace {
const char* const kHolderName = "KeptPrinter";

// QPrinter is no QObject, so a small child object carries it and ties its life to the owner.
class PrinterHolder : public QObject {
public:
    explicit PrinterHolder(QObject* owner) : QObject(owner), printer(QPrinter::HighResolution) {
        setObjectName(QString::fromLatin1(kHolderName));
    }
    QPrinter printer;
};
}  // namespace

QPrinter& KeptPrinter(QObject* owner) {
    for (QObject* child : owner->children()) {
        if (child->objectName() == QLatin1String(kHolderName)) {
            if (auto* holder = dynamic_cast<PrinterHolder*>(child)) return holder->printer;
        }
    }
    return (new PrinterHolder(owner))->printer;
}

}  // namespace comm::print
