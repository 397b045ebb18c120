#include <cstdio>

#include "commands.h"
#include "daxfile.h"
#include "monitorlayout.h"

namespace cli {

namespace {
const char kDaxUsage[] = "usage: comm-cli dax FILE.Dax [--ascii]\n";

void put(const QString& text, FILE* stream) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}
}  // namespace

int dax(const QStringList& args) {
    QString file;
    bool ascii = false;
    for (const QString& a : args) {
        if (a == QLatin1String("--ascii")) {
            ascii = true;
        } else if (!a.startsWith(QLatin1String("--")) && file.isEmpty()) {
            file = a;
        } else {
            put(QString::fromLatin1(kDaxUsage), stderr);
            return 2;
        }
    }
    if (file.isEmpty()) {
        put(QString::fromLatin1(kDaxUsage), stderr);
        return 2;
    }
    const comm::DaxContent content = comm::ReadDaxFile(file);
    switch (content.status) {
        case comm::DaxStatus::Ok:
            break;
        case comm::DaxStatus::Missing:
            put(QStringLiteral("该文件不存在，请重新打开！\n"), stderr);
            return 1;
        case comm::DaxStatus::Unreadable:
        case comm::DaxStatus::TooLong:
            put(QStringLiteral("打开该文件失败!!!\n"), stderr);
            return 1;
    }
    using comm::monitor::DisplayMode;
    put(comm::monitor::CaptureListing(content.bytes, ascii ? DisplayMode::Chars : DisplayMode::Hex),
        stdout);
    return 0;
}

}  // namespace cli
