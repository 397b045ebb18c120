#include "commands.h"
#include "daxfile.h"
#include "monitorlayout.h"
#include "monitortext.h"
#include "options.h"
#include "output.h"
#include "txlfile.h"

namespace cli {

int dax(const QStringList& args) {
    Options o(args, {});
    const bool ascii = o.flag(QStringLiteral("--ascii"));
    o.expectPlain(1, QStringLiteral("FILE.Dax"));
    if (!o.ok()) return BadArguments(o.problem());
    const QString file = o.plain().first();
    const comm::DaxContent content = comm::ReadDaxFile(file);
    switch (content.status) {
        case comm::DaxStatus::Ok:
            break;
        case comm::DaxStatus::Missing:
            Complain(comm::MissingFileMessage());
            return 1;
        case comm::DaxStatus::Refused:
            Complain(content.message);
            return 1;
        case comm::DaxStatus::Unreadable:
        case comm::DaxStatus::TooLong:
            Complain(comm::monitor::CaptureFileUnreadableMessage());
            return 1;
    }
    using comm::monitor::DisplayMode;
    Put(comm::monitor::CaptureListing(content.bytes,
                                      ascii ? DisplayMode::Chars : DisplayMode::Hex));
    return 0;
}

}  // namespace cli
