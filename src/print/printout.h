#pragma once

#include <QString>
#include <QVector>
#include <QtGlobal>
#include <array>

namespace comm::print {

// One two-option group of the document window as it is printed: the option printed on its own
// (loop forever, no delay) or the option printed with its box's text and a unit.
struct PrintedOptionGroup {
    QString caption;
    QString plainOption;
    QString valueOption;
    bool plainSelected = true;
    QString valueText;
};

// A frame panel of the document window: only a visible panel is printed.
struct PrintedFramePanel {
    QString caption;
    bool visible = false;
    QString checkName;  // the checksum the frame names, printed beside its count; empty for none
};

// Everything the one-page summary shows, copied out of the document window and the field
// counts so that printing needs neither. Byte values are deliberately absent.
struct CommPrintout {
    QString caption;
    QString kindLine;
    QString settingsLine;
    PrintedOptionGroup loop;
    PrintedOptionGroup delay;
    PrintedFramePanel sendPanel;
    PrintedFramePanel recvPanel;
    // send start, data, check, end; receive start, data, check, end
    std::array<qint16, 8> fieldCounts{};
};

enum class PrintFont { Title, Body };

// One printed line; an empty text is an empty line in the font in force.
struct PrintLine {
    PrintFont font = PrintFont::Body;
    QString text;

    bool operator==(const PrintLine& other) const {
        return font == other.font && text == other.text;
    }
};

// The line break written into the printed statements.
inline const QString kPrintLineBreak = QStringLiteral("\r\n");

// A number as the summary writes it: a non-negative number gets one blank in front.
QString GeneralNumberText(int value);

// The summary, line by line, in the order and with the blanks it is printed with.
QVector<PrintLine> PrintoutLines(const CommPrintout& printout);

}  // namespace comm::print
