#include "output.h"

#include "commands.h"
#include "jsonwriter.h"
#include "portmap.h"

namespace cli {

namespace {
QString& usageReason() {
    static QString reason;
    return reason;
}
}  // namespace

int BadArguments(const QString& reason) {
    usageReason() = reason;
    return kUsage;
}

QString BadArgumentsReason() {
    return usageReason();
}

namespace {
void PutBytes(const QByteArray& bytes, FILE* stream) {
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}
}  // namespace

void Put(const QString& text, FILE* stream) {
    PutBytes(text.toUtf8(), stream);
}

void Complain(const QString& line) {
    Put(line + QLatin1Char('\n'), stderr);
}

void PutJson(const JsonWriter& object) {
    PutBytes(object.toJson() + '\n', stdout);
}

QString WithPortProblem(const QString& message, const comm::SerialPort::Failure& failure) {
    const QString problem = comm::PortProblemText(failure);
    const QString first = WithReason(message, failure.reason);
    return problem.isEmpty() || problem == failure.reason ? first
                                                          : first + QLatin1Char('\n') + problem;
}

}  // namespace cli
