#pragma once

#include <QByteArray>
#include <QString>

namespace comm::monitor {

// The capture holds at most this many received bytes; later ones are read and dropped.
constexpr int kCaptureLimit = 32767;
// Size of the capture buffer; an imported storage file may fill it completely.
constexpr int kBufferSize = 32768;
constexpr int kBytesPerLine = 20;
constexpr int kLinesPerPage = 30;
constexpr int kPageStep = 29;
// While the capture has at most this many lines, every refresh redraws the drawing area; a
// longer capture is only redrawn when the user moves the view, so a fast stream is not slowed.
constexpr int kAutoRedrawLines = 31;
// A refresh comes after this many bytes even when the line never goes quiet.
constexpr int kRefreshEvery = 100;
// Geometry of the drawing area in twips (1/1440 inch).
constexpr int kLineHeightTwips = 211;
constexpr int kRuleWidthTwips = 8775;

enum class DisplayMode { Hex, Chars };
enum class NavigationKey { PageUp, PageDown, End, Home, Up, Down };

// Number of 20-byte lines of a capture, the last one possibly partial.
int LineCountFor(int captureCount);

// How many lines a redraw shows with the given first line: at most a page, never negative.
int LinesShown(int lineCount, int topLine);

// The first line after a navigation key.
int NavigateTopLine(NavigationKey key, int topLine, int lineCount);

// Where the view stands over the capture: the first line shown (0 while nothing has been shown
// since the start) and the capture's number of lines. The window keeps it; the capture only
// says when it refreshed.
class ViewPosition {
public:
    int topLine() const { return topLine_; }
    int lineCount() const { return lineCount_; }
    bool shown() const { return topLine_ >= 1; }
    // A new start: nothing shown yet.
    void clear() {
        topLine_ = 0;
        lineCount_ = 0;
    }
    // A refresh or an import: line 1 of a capture of `captureCount` bytes.
    void showFromStart(int captureCount) {
        topLine_ = 1;
        lineCount_ = LineCountFor(captureCount);
    }
    void setTopLine(int line) { topLine_ = line; }
    // Applies a navigation key and returns the new first line.
    int navigate(NavigationKey key) {
        return topLine_ = NavigateTopLine(key, topLine_, lineCount_);
    }

private:
    int topLine_ = 0;
    int lineCount_ = 0;
};

// The drawn text of 1-based line `line`: four character cells per byte ("  41" or "   A"),
// only for bytes that lie inside the first `count` bytes of `capture`.
QString CaptureLineText(const QByteArray& capture, int count, int line, DisplayMode mode);

// "0007 ": a line number as the line-number labels show it.
QString LineNumberText(int line);

// The whole capture as text, one line per 20 bytes, each "0001 " + its drawn text + "\n".
QString CaptureListing(const QByteArray& capture, DisplayMode mode);

// The column headers above and below the drawing area.
QString ColumnHeaderText();

// "一".."四" for ports 1..4, empty otherwise.
QString PortNumeral(int port);

// "串口一未打开\n9600,奇,8,1" / "串口一已打开\n...".
QString PortStateText(const QString& numeral, bool open, const QString& settingsText);

// "初始状态\n共收到 : 12个" / "监听状态\n...".
QString MonitorStateText(bool listening, int captureCount);

}  // namespace comm::monitor
