#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

// Text of a PDF as poppler reads it back: one entry per non-empty line, runs of blanks made one.
// Pages are separated by an entry "\f".
inline QStringList PdfTextLines(const QString& pdfPath, QString* error) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty()) {
        *error = QStringLiteral("pdftotext is not installed (poppler-utils)");
        return {};
    }
    QProcess process;
    process.start(tool,
                  {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdfPath, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        *error = QStringLiteral("pdftotext failed: ") +
                 QString::fromLocal8Bit(process.readAllStandardError());
        return {};
    }
    QStringList lines;
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    const QStringList pages = text.split(QLatin1Char('\f'));
    for (int page = 0; page < pages.size(); ++page) {
        if (page > 0 && !pages[page].trimmed().isEmpty()) lines << QStringLiteral("\f");
        for (const QString& raw : pages[page].split(QLatin1Char('\n'))) {
            const QString line = raw.simplified();
            if (!line.isEmpty()) lines << line;
        }
    }
    return lines;
}

// Height of the first word box poppler finds with exactly this text, or -1.
inline double PdfWordHeight(const QString& pdfPath, const QString& word, QString* error) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    QProcess process;
    process.start(tool, {QStringLiteral("-bbox"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                         pdfPath, QStringLiteral("-")});
    if (tool.isEmpty() || !process.waitForFinished(30000) || process.exitCode() != 0) {
        *error = QStringLiteral("pdftotext -bbox failed");
        return -1;
    }
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression box(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    for (auto it = box.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(5) == word) return m.captured(4).toDouble() - m.captured(2).toDouble();
    }
    return -1;
}
