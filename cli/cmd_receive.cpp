#include <QCoreApplication>
#include <QFileInfo>

#include "clock.h"
#include "commands.h"
#include "filereceiver.h"
#include "options.h"
#include "portargument.h"
#include "receivedfile.h"
#include "transferreport.h"
#include "transfertext.h"

namespace cli {

int receive(const QStringList& args) {
    Options o(args, {QStringLiteral("--port"), QStringLiteral("--dir")});
    const bool json = o.flag(QStringLiteral("--json"));
    PortArgument where;
    TakePortArgument(o, &where);
    const QString dir = o.value(QStringLiteral("--dir")).value_or(QString());
    o.expectPlain(0, QString());
    if (!o.ok()) return BadArguments(o.problem());
    // Where the window would write, unless told.
    const QString folder = dir.isEmpty()
                               ? comm::DefaultReceiveFolder(QCoreApplication::applicationDirPath())
                               : QFileInfo(dir).absoluteFilePath();
    const std::unique_ptr<comm::SerialPort> serial = MakePort(where);
    comm::FileReceiver receiver(*serial, comm::Clock::real(), folder);
    TransferReport report(receiver, json);
    if (!QFileInfo(folder).isDir())
        return report.fail(comm::transfer::NoSuchFolderMessage(folder), kTransferBadArguments);
    QObject::connect(&receiver, &comm::FileReceiver::headerDone,
                     [&] { report.setDonePath(receiver.targetPath()); });
    return report.run(receiver.start());
}

}  // namespace cli
