#include "boundedlisting.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>

namespace comm {

BoundedListing::BoundedListing(QPlainTextEdit* box, int limit)
    : box_(box), limit_(qMax(1, limit)) {}

QString BoundedListing::droppedLine(qint64 dropped) {
    return QStringLiteral("（较早的 %1 幀已不再显示）\n").arg(dropped);
}

void BoundedListing::add(const QString& frameText) {
    // A box shows CR LF as one line break.
    QString text = frameText;
    waiting_.append(text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    // Frames that would be dropped at the next show are never kept.
    if (waiting_.size() > limit_) {
        waiting_.removeFirst();
        ++dropped_;
    }
}

void BoundedListing::clear() {
    waiting_.clear();
    shownLengths_.clear();
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
    for (const QString& frame : std::as_const(waiting_)) shownLengths_.append(int(frame.size()));
    waiting_.clear();

    int goneLength = 0;
    const int excess = int(shownLengths_.size()) - limit_;
    for (int i = 0; i < excess; ++i) goneLength += shownLengths_[i];
    if (excess > 0) {
        shownLengths_.remove(0, excess);
        dropped_ += excess;
    }
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
