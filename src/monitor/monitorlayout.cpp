#include "monitorlayout.h"

#include <QCoreApplication>

#include "texthelpers.h"

namespace comm::monitor {

int LineCountFor(int captureCount) {
    if (captureCount <= 0) return 0;
    return (captureCount + kBytesPerLine - 1) / kBytesPerLine;
}

int LinesShown(int lineCount, int topLine) {
    const int rest = lineCount - topLine;
    if (rest >= kLinesPerPage) return kLinesPerPage;
    return rest + 1 > 0 ? rest + 1 : 0;
}

int NavigateTopLine(NavigationKey key, int topLine, int lineCount) {
    switch (key) {
        case NavigationKey::PageUp:
            return topLine - kLinesPerPage < 0 ? 1 : topLine - kPageStep;
        case NavigationKey::PageDown:
            if (topLine + kLinesPerPage <= lineCount) return topLine + kPageStep;
            return lineCount <= kLinesPerPage ? 1 : lineCount - kPageStep;
        case NavigationKey::End:
            return lineCount <= kLinesPerPage ? 1 : lineCount - kPageStep;
        case NavigationKey::Home:
            return 1;
        case NavigationKey::Up:
            return topLine > 1 ? topLine - 1 : topLine;
        case NavigationKey::Down:
            return topLine < lineCount ? topLine + 1 : topLine;
    }
    return topLine;
}

QString CaptureLineText(const QByteArray& capture, int count, int line, DisplayMode mode) {
    QString text;
    if (line < 1) return text;
    const int limit = qMin(count, int(capture.size()));
    const qint64 first = qint64(line - 1) * kBytesPerLine;
    for (int j = 0; j < kBytesPerLine; ++j) {
        const qint64 n = first + j;
        if (n >= limit) break;
        const int byte = static_cast<unsigned char>(capture.at(int(n)));
        text += QStringLiteral("  ");
        if (mode == DisplayMode::Hex) {
            text += HexText(byte);
        } else if (byte < 32 || byte > 126) {
            text += QStringLiteral(" .");
        } else {
            text += QLatin1Char(' ');
            text += QLatin1Char(char(byte));
        }
    }
    return text;
}

QString LineNumberText(int line) {
    return QStringLiteral("%1 ").arg(line, 4, 10, QLatin1Char('0'));
}

QString CaptureListing(const QByteArray& capture, DisplayMode mode) {
    QString listing;
    const int count = int(capture.size());
    for (int line = 1; line <= LineCountFor(count); ++line)
        listing +=
            LineNumberText(line) + CaptureLineText(capture, count, line, mode) + QLatin1Char('\n');
    return listing;
}

QString ColumnHeaderText() {
    QString text;
    for (int column = 1; column <= kBytesPerLine; ++column)
        text += QStringLiteral("  %1").arg(column, 2, 10, QLatin1Char('0'));
    return text + QStringLiteral("  ");
}

QString PortNumeral(int port) {
    static const char* const numerals[] = {
        QT_TRANSLATE_NOOP("MonitorLayout", "一"), QT_TRANSLATE_NOOP("MonitorLayout", "二"),
        QT_TRANSLATE_NOOP("MonitorLayout", "三"), QT_TRANSLATE_NOOP("MonitorLayout", "四")};
    return port >= 1 && port <= 4 ? QCoreApplication::translate("MonitorLayout", numerals[port - 1])
                                  : QString();
}

QString PortStateText(const QString& numeral, bool open, const QString& settingsText) {
    const QString state = open ? QCoreApplication::translate("MonitorLayout", "串口%1已打开")
                               : QCoreApplication::translate("MonitorLayout", "串口%1未打开");
    return state.arg(numeral) + QChar(10) + settingsText;
}

QString MonitorStateText(bool listening, int captureCount) {
    return (listening ? QCoreApplication::translate("MonitorLayout", "监听状态")
                      : QCoreApplication::translate("MonitorLayout", "初始状态")) +
           QChar(10) +
           QCoreApplication::translate("MonitorLayout", "共收到 : %1个").arg(captureCount);
}

}  // namespace comm::monitor
