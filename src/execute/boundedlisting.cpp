#include "boundedlisting.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

namespace comm {

BoundedListing::BoundedListing(QPlainTextEdit* box, int lineLimit)
    : box_(box), lineLimit_(qMax(1, lineLimit)) {
    // Every edit would otherwise stay on the undo stack of a box nobody can edit, for ever.
    box_->document()->setUndoRedoEnabled(false);
}

BoundedListing::Frame BoundedListing::measure(const QString& text) {
    return Frame{int(text.size()), int(text.count(QLatin1Char('\n')))};
}

int BoundedListing::dropOver(QList<Frame>* frames, int* lines) {
    int gone = 0;
    int first = 0;
    while (*lines > lineLimit_ && frames->size() - first > 1) {
        gone += frames->at(first).length;
        *lines -= frames->at(first).lines;
        ++first;
    }
    frames->remove(0, first);
    dropped_ += first;
    return gone;
}

QString BoundedListing::droppedLine(qint64 dropped) {
    return QCoreApplication::translate("BoundedListing", "（较早的 %1 幀已不再显示）")
               .arg(dropped) +
           QLatin1Char('\n');
}

void BoundedListing::add(const QString& frameText) {
    // A box shows CR LF as one line break.
    QString text = frameText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const Frame frame = measure(text);
    waiting_.append(text);
    waitingFrames_.append(frame);
    waitingLines_ += frame.lines;
    // Frames that would be dropped at the next show are never kept.
    const qint64 before = dropped_;
    dropOver(&waitingFrames_, &waitingLines_);
    waiting_.remove(0, int(dropped_ - before));
}

void BoundedListing::clear() {
    waiting_.clear();
    waitingFrames_.clear();
    waitingLines_ = 0;
    shown_.clear();
    shownLines_ = 0;
    headerLength_ = 0;
    dropped_ = 0;
    shownDropped_ = 0;
    box_->clear();
}

void BoundedListing::show() {
    if (waiting_.isEmpty()) return;
    QTextCursor cursor(box_->document());
    cursor.beginEditBlock();
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(waiting_.join(QString()));
    shown_.append(waitingFrames_);
    shownLines_ += waitingLines_;
    waiting_.clear();
    waitingFrames_.clear();
    waitingLines_ = 0;

    const int goneLength = dropOver(&shown_, &shownLines_);
    // The old first line and the frames that go are replaced by the new first line, in one edit.
    if (dropped_ != shownDropped_) {
        const QString header = droppedLine(dropped_);
        cursor.setPosition(0);
        cursor.setPosition(headerLength_ + goneLength, QTextCursor::KeepAnchor);
        cursor.insertText(header);
        headerLength_ = int(header.size());
        shownDropped_ = dropped_;
    }
    cursor.endEditBlock();
    box_->verticalScrollBar()->setValue(box_->verticalScrollBar()->maximum());
}

}  // namespace comm
