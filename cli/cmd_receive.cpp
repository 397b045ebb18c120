#include <QCoreApplication>
#include <QFileInfo>

#include "clock.h"
#include "commands.h"
#include "filereceiver.h"
#include "portargument.h"
#include "receivedfile.h"
#include "transferreport.h"

namespace cli {

int receive(const QStringList& args) {
    QString port, dir;
    bool json = false, bad = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--json"))
            json = true;
        else if (a == QLatin1String("--port") && i + 1 < args.size())
            port = args[++i];
        else if (a == QLatin1String("--dir") && i + 1 < args.size())
            dir = args[++i];
        else
            bad = true;
    }
    if (bad || port.isEmpty()) return kUsage;
    // Where the window would write, unless told.
    const QString folder = dir.isEmpty()
                               ? comm::DefaultReceiveFolder(QCoreApplication::applicationDirPath())
                               : QFileInfo(dir).absoluteFilePath();
    PortArgument where;
    if (!ParsePortArgument(port, &where)) return kUsage;
    const std::unique_ptr<comm::SerialPort> serial = MakePort(where);
    comm::FileReceiver receiver(*serial, comm::Clock::real(), folder);
    TransferReport report(receiver, json);
    if (!QFileInfo(folder).isDir())
        return report.fail(QStringLiteral("文件夹不存在：%1").arg(folder), kTransferBadArguments);
    QObject::connect(&receiver, &comm::FileReceiver::headerDone,
                     [&] { report.setDonePath(receiver.targetPath()); });
    return report.run(receiver.start());
}

}  // namespace cli
