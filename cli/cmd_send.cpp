#include "clock.h"
#include "commands.h"
#include "filesender.h"
#include "options.h"
#include "portargument.h"
#include "transferreport.h"
#include "transfertext.h"

namespace cli {

int send(const QStringList& args) {
    Options o(args, {QStringLiteral("--port")});
    const bool json = o.flag(QStringLiteral("--json"));
    PortArgument where;
    TakePortArgument(o, &where);
    o.expectPlain(1, QStringLiteral("FILE"));
    if (!o.ok()) return BadArguments(o.problem());
    const QString file = o.plain().first();
    const std::unique_ptr<comm::SerialPort> serial = MakePort(where);
    comm::FileSender sender(*serial, comm::Clock::real());
    TransferReport report(sender, json);
    if (!sender.choose(file))
        return report.fail(comm::transfer::NoSuchFileMessage(file), kTransferBadArguments);
    return report.run(sender.start());
}

}  // namespace cli
