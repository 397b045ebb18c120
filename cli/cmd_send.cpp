#include "clock.h"
#include "commands.h"
#include "filesender.h"
#include "portargument.h"
#include "transferreport.h"

namespace cli {

int send(const QStringList& args) {
    QString file, port;
    bool json = false, bad = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--json"))
            json = true;
        else if (a == QLatin1String("--port") && i + 1 < args.size())
            port = args[++i];
        else if (!a.startsWith(QLatin1String("--")) && file.isEmpty())
            file = a;
        else
            bad = true;
    }
    PortArgument where;
    if (bad || file.isEmpty() || !ParsePortArgument(port, &where)) return kUsage;
    const std::unique_ptr<comm::SerialPort> serial = MakePort(where);
    comm::FileSender sender(*serial, comm::Clock::real());
    TransferReport report(sender, json);
    if (!sender.choose(file))
        return report.fail(QStringLiteral("文件不存在：%1").arg(file), kTransferBadArguments);
    return report.run(sender.start());
}

}  // namespace cli
