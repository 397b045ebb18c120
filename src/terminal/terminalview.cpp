#include "terminalview.h"

#include "texthelpers.h"

namespace comm {

ViewPiece TerminalView::add(LogDirection direction, qint64 ms, const QByteArray& bytes) {
    const Batch batch{direction, ms, received_, bytes};
    if (direction == LogDirection::Received) received_ += bytes.size();
    keep(batch);
    return render(batch);
}

QList<ViewPiece> TerminalView::redraw() {
    resetRendering();
    QList<ViewPiece> pieces;
    for (const Batch& batch : std::as_const(kept_)) {
        ViewPiece piece = render(batch);
        if (!pieces.isEmpty() && pieces.last().sent == piece.sent)
            pieces.last().text += piece.text;
        else
            pieces.append(piece);
    }
    return pieces;
}

void TerminalView::clear() {
    kept_.clear();
    keptBytes_ = received_ = 0;
    resetRendering();
}

void TerminalView::keep(const Batch& batch) {
    // A copy of its own: a batch read from a port may carry a buffer far larger than its bytes.
    kept_.append(Batch{batch.direction, batch.ms, batch.offset,
                       QByteArray(batch.bytes.constData(), batch.bytes.size())});
    keptBytes_ += batch.bytes.size();
    while ((keptBytes_ > kKeptBytes || kept_.size() > kKeptBatches) && kept_.size() > 1) {
        keptBytes_ -= kept_.first().bytes.size();
        kept_.removeFirst();
    }
}

ViewPiece TerminalView::render(const Batch& batch) {
    ViewPiece piece;
    piece.sent = batch.direction == LogDirection::Sent;
    if (piece.sent) {
        QString shown = HexBytesText(batch.bytes);
        if (mode_ == ViewMode::Text) {
            // The line end typed with it is what ends its line here.
            shown = QString::fromUtf8(batch.bytes);
            while (shown.endsWith(QLatin1Char('\n')) || shown.endsWith(QLatin1Char('\r')))
                shown.chop(1);
            for (QChar& c : shown)
                if (c.unicode() < 0x20 || c.unicode() == 0x7F) c = QChar(0x00B7);
        }
        piece.text =
            newLineIfNeeded() + stamp(batch.ms) + QStringLiteral("TX ") + shown + QLatin1Char('\n');
        column_ = 0;
        lastWasCr_ = false;
        return piece;
    }
    if (mode_ == ViewMode::Hex) {
        piece.text = newLineIfNeeded() + renderHex(batch);
        return piece;
    }
    if (timestamps_) piece.text = newLineIfNeeded() + stamp(batch.ms);
    column_ += int(piece.text.size());
    piece.text += renderText(batch.bytes);
    return piece;
}

QString TerminalView::renderText(const QByteArray& bytes) {
    QString out;
    const QString decoded = decoder_.decode(bytes);
    for (const QChar c : decoded) {
        const char16_t u = c.unicode();
        if (u == '\n' && lastWasCr_) {
            lastWasCr_ = false;
            continue;
        }
        lastWasCr_ = u == '\r';
        if (u == '\r' || u == '\n') {
            out += QLatin1Char('\n');
            column_ = 0;
            continue;
        }
        if (column_ >= kLineWidth) {
            out += QLatin1Char('\n');
            column_ = 0;
        }
        out += (u < 0x20 && u != '\t') || u == 0x7F ? QChar(0x00B7) : c;
        ++column_;
    }
    return out;
}

QString TerminalView::renderHex(const Batch& batch) {
    QString out;
    const QString prefix = stamp(batch.ms);
    for (int i = 0; i < batch.bytes.size(); i += kHexPerLine) {
        out += i == 0 ? prefix : QString(prefix.size(), QLatin1Char(' '));
        out += QStringLiteral("%1  ").arg(batch.offset + i, 8, 16, QLatin1Char('0')).toUpper();
        out += HexBytesText(batch.bytes.mid(i, kHexPerLine)) + QLatin1Char('\n');
    }
    column_ = 0;
    return out;
}

QString TerminalView::stamp(qint64 ms) const {
    if (!timestamps_) return {};
    return QStringLiteral("[%1.%2] ").arg(ms / 1000, 6).arg(ms % 1000, 3, 10, QLatin1Char('0'));
}

QString TerminalView::newLineIfNeeded() {
    if (column_ == 0) return {};
    column_ = 0;
    return QStringLiteral("\n");
}

void TerminalView::resetRendering() {
    column_ = 0;
    lastWasCr_ = false;
    decoder_.resetState();
}

}  // namespace comm
