#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringDecoder>

#include "timedlog.h"

namespace comm {

// How the terminal shows bytes: as text, or as hexadecimal lines with the stream offset.
enum class ViewMode { Text, Hex };

// One piece of the terminal's view: text to add at its end, and whether it shows sent bytes.
struct ViewPiece {
    QString text;
    bool sent = false;
};

// Turns the terminal's stream into the text of its view, batch by batch, and keeps the latest
// part of the stream so the view can be drawn again in another mode. Text is read as UTF-8,
// across batches; CR, LF and CR LF each end a line; other control characters show as "·"; a
// line longer than kLineWidth is broken, so no line grows without end. Hexadecimal shows each
// received batch as lines of 16 bytes after their offset in the stream. A timestamp, when on,
// opens each batch's line with its seconds since the start. Sent bytes stand on lines of their
// own after "TX ".
class TerminalView {
public:
    static constexpr int kLineWidth = 160;
    static constexpr int kHexPerLine = 16;
    // What is kept for drawing again, oldest batches going first; the whole stream lives only in
    // a recording.
    static constexpr int kKeptBytes = 256 * 1024;
    // and at most this many batches, however small they come.
    static constexpr int kKeptBatches = 20000;

    void setMode(ViewMode mode) { mode_ = mode; }
    ViewMode mode() const { return mode_; }
    void setTimestamps(bool on) { timestamps_ = on; }
    bool timestamps() const { return timestamps_; }

    // The view's addition for a batch; it is kept.
    ViewPiece add(LogDirection direction, qint64 ms, const QByteArray& bytes);
    // The whole view again from what is kept, in the current mode.
    QList<ViewPiece> redraw();
    // Empties the view and what is kept; the offsets start from 0 again.
    void clear();

private:
    struct Batch {
        LogDirection direction;
        qint64 ms;
        qint64 offset;
        QByteArray bytes;
    };
    void keep(const Batch& batch);
    ViewPiece render(const Batch& batch);
    QString renderText(const QByteArray& bytes);
    QString renderHex(const Batch& batch);
    QString stamp(qint64 ms) const;
    QString newLineIfNeeded();
    void resetRendering();

    ViewMode mode_ = ViewMode::Text;
    bool timestamps_ = false;
    QList<Batch> kept_;
    qint64 keptBytes_ = 0;
    qint64 received_ = 0;
    // Rendering state: where the last line stands and what the text decoder holds.
    int column_ = 0;
    bool lastWasCr_ = false;
    QStringDecoder decoder_{QStringDecoder::Utf8};
};

}  // namespace comm
