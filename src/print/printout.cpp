#include "printout.h"

#include <QCoreApplication>

namespace comm::print {

namespace {

const QString kIndent = QString(10, QLatin1Char(' '));
const QString kFieldIndent = QString(15, QLatin1Char(' '));
const QString kBreak2 = kPrintLineBreak + kPrintLineBreak;

// Every statement ends its line after its own text, so a text ending in a line break leaves
// an empty line behind it; splitting at the breaks yields exactly those lines.
class StatementWriter {
public:
    explicit StatementWriter(QVector<PrintLine>& lines) : lines_(lines) {}

    void setFont(PrintFont font) { font_ = font; }
    void print(const QString& text) {
        const QStringList parts = text.split(kPrintLineBreak);
        for (const QString& part : parts) lines_.push_back(PrintLine{font_, part});
    }

private:
    QVector<PrintLine>& lines_;
    PrintFont font_ = PrintFont::Body;
};

QString printoutText(const char* source) {
    return QCoreApplication::translate("Printout", source);
}

// `valued` puts the selected option and its box's text together with the unit: "%1%2次".
QString optionLine(const PrintedOptionGroup& group, const char* valued) {
    const QString head = kIndent + group.caption + QStringLiteral(" : ");
    if (group.plainSelected) return head + group.plainOption + kBreak2;
    return head + printoutText(valued).arg(group.valueOption, group.valueText) + kBreak2;
}

void printPanel(StatementWriter& out, const QString& number, const PrintedFramePanel& panel,
                const qint16* counts) {
    // Each puts a field's count, a blank in front, after its name.
    static const char* const kCountLines[4] = {QT_TRANSLATE_NOOP("Printout", "起始位：%1位"),
                                               QT_TRANSLATE_NOOP("Printout", "数据位：%1位"),
                                               QT_TRANSLATE_NOOP("Printout", "校验位：%1位"),
                                               QT_TRANSLATE_NOOP("Printout", "结束位：%1位")};
    out.print(kIndent + number + panel.caption + kPrintLineBreak);
    for (int i = 0; i < 4; ++i) {
        const QString ending = i == 3 ? kBreak2 : kPrintLineBreak;
        const QString named = i == 2 && !panel.checkName.isEmpty()
                                  ? QStringLiteral("  (%1)").arg(panel.checkName)
                                  : QString();
        out.print(kFieldIndent + printoutText(kCountLines[i]).arg(GeneralNumberText(counts[i])) +
                  named + ending);
    }
}

}  // namespace

QString GeneralNumberText(int value) {
    const QString digits = QString::number(value);
    return value >= 0 ? QLatin1Char(' ') + digits : digits;
}

QVector<PrintLine> PrintoutLines(const CommPrintout& printout) {
    QVector<PrintLine> lines;
    StatementWriter out(lines);

    out.setFont(PrintFont::Title);
    out.print(QString(5, QLatin1Char(' ')) + printout.caption + kBreak2);

    out.setFont(PrintFont::Body);
    out.print(kIndent + printout.kindLine + kBreak2);
    out.print(kIndent + printout.settingsLine + kBreak2);
    out.print(optionLine(printout.loop, QT_TRANSLATE_NOOP("Printout", "%1%2次")));
    out.print(optionLine(printout.delay, QT_TRANSLATE_NOOP("Printout", "%1%2毫秒")));

    if (printout.sendPanel.visible)
        printPanel(out, QStringLiteral("5."), printout.sendPanel, printout.fieldCounts.data());
    if (printout.recvPanel.visible)
        printPanel(out, QStringLiteral("6."), printout.recvPanel, printout.fieldCounts.data() + 4);
    return lines;
}

}  // namespace comm::print
