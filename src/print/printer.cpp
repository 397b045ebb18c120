#include "printer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QStringList>

namespace comm::print {

namespace {

const QString kTitleFamily = QStringLiteral("黑体");  // untranslated: a font family's name
const QString kBodyFamily = QStringLiteral("宋体");   // untranslated: a font family's name

// WenQuanYi first: a Noto CJK family alone tends to resolve to its Japanese variant, whose
// glyphs come back from a PDF as different code points.
const QStringList kTitleCandidates = {QStringLiteral("SimHei"),
                                      QStringLiteral("WenQuanYi Micro Hei"),
                                      QStringLiteral("WenQuanYi Zen Hei"),
                                      QStringLiteral("Microsoft YaHei"),
                                      QStringLiteral("Noto Sans CJK SC"),
                                      QStringLiteral("Source Han Sans SC"),
                                      QStringLiteral("Droid Sans Fallback")};
const QStringList kBodyCandidates = {QStringLiteral("SimSun"),
                                     QStringLiteral("NSimSun"),
                                     QStringLiteral("AR PL UMing CN"),
                                     QStringLiteral("WenQuanYi Micro Hei"),
                                     QStringLiteral("WenQuanYi Zen Hei"),
                                     QStringLiteral("Noto Serif CJK SC"),
                                     QStringLiteral("Noto Sans CJK SC"),
                                     QStringLiteral("Droid Sans Fallback")};

void substitute(const QString& family, const QStringList& candidates) {
    if (QFontDatabase::hasFamily(family)) return;
    QStringList installed;
    for (const QString& candidate : candidates) {
        if (QFontDatabase::hasFamily(candidate)) installed << candidate;
    }
    if (!installed.isEmpty()) QFont::insertSubstitutions(family, installed);
}

bool noPrinterChosen(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) return printer.outputFileName().isEmpty();
    return printer.printerName().isEmpty();
}

}  // namespace

QString NoPrinterMessage() {
    return QCoreApplication::translate("Printing",
                                       "没有可用的打印机，请先在“打印设置”中选择打印机！");
}

QString PrinterStartMessage() {
    return QCoreApplication::translate("Printing", "打印机无法开始打印，请检查打印机！");
}

QString PrinterErrorMessage() {
    return QCoreApplication::translate("Printing", "打印机出错，打印没有完成！");
}

QString PrintedToFileMessage() {
    return QCoreApplication::translate("Printing", "已打印到文件：");
}

void InstallChineseFontSubstitutes() {
    static const bool done = [] {
        substitute(kTitleFamily, kTitleCandidates);
        substitute(kBodyFamily, kBodyCandidates);
        return true;
    }();
    Q_UNUSED(done);
}

QFont PrintoutFont(PrintFont kind) {
    InstallChineseFontSubstitutes();
    QFont font(kind == PrintFont::Title ? kTitleFamily : kBodyFamily);
    font.setPointSize(kind == PrintFont::Title ? 14 : 12);
    return font;
}

PrintOutcome PrintCommPrintout(QPrinter& printer, const CommPrintout& printout) {
    if (noPrinterChosen(printer)) return {false, NoPrinterMessage()};

    const QVector<PrintLine> lines = PrintoutLines(printout);
    QPainter painter;
    if (!painter.begin(&printer)) return {false, PrinterStartMessage()};

    const QFont fonts[2] = {PrintoutFont(PrintFont::Title), PrintoutFont(PrintFont::Body)};
    const qreal pageHeight = printer.height();
    qreal top = 0;
    for (const PrintLine& line : lines) {
        painter.setFont(fonts[line.font == PrintFont::Title ? 0 : 1]);
        const QFontMetricsF metrics(painter.font(), &printer);
        if (top > 0 && top + metrics.height() > pageHeight) {
            if (!printer.newPage()) {
                painter.end();
                return {false, PrinterErrorMessage()};
            }
            top = 0;
        }
        if (!line.text.isEmpty()) painter.drawText(QPointF(0, top + metrics.ascent()), line.text);
        top += metrics.lineSpacing();
    }
    const bool ended = painter.end();
    if (!ended || printer.printerState() == QPrinter::Error) return {false, PrinterErrorMessage()};
    if (printer.outputFileName().isEmpty()) return {true, QString()};
    return {true, PrintedToFileMessage() + QDir::toNativeSeparators(printer.outputFileName())};
}

}  // namespace comm::print
