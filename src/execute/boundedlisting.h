#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QPlainTextEdit;

namespace comm {

// A listing box that frames come into faster than a screen shows them. Frames wait until show()
// puts them in with one edit, and the box keeps only the latest frames that fit in `lineLimit`
// lines (always the last one), its first line saying how many earlier ones were dropped; without
// that bound the box would grow (and slow) for as long as a run lasts. Lines, not frames, are
// what a box costs: a 255-byte frame lists 257 of them.
class BoundedListing {
public:
    static constexpr int kDefaultLineLimit = 20000;

    explicit BoundedListing(QPlainTextEdit* box, int lineLimit = kDefaultLineLimit);

    // One frame's text, lines ending in CR LF; shown by the next show().
    void add(const QString& frameText);
    // Empties the box and forgets every frame, shown or waiting.
    void clear();
    // Puts the waiting frames into the box and drops the oldest beyond the bound.
    void show();
    bool hasWaiting() const { return !waiting_.isEmpty(); }
    // Frames no longer in the box (or never put there) because later ones took their place.
    qint64 dropped() const { return dropped_; }

    // The first line while frames have been dropped.
    static QString droppedLine(qint64 dropped);

private:
    struct Frame {
        int length = 0;  // characters, line breaks included
        int lines = 0;
    };
    static Frame measure(const QString& text);
    // Drops the oldest of frames while they hold more lines than the bound; the characters gone.
    int dropOver(QList<Frame>* frames, int* lines);

    QPlainTextEdit* box_;
    int lineLimit_;
    QStringList waiting_;
    QList<Frame> waitingFrames_;
    int waitingLines_ = 0;
    QList<Frame> shown_;  // the frames in the box, oldest first
    int shownLines_ = 0;
    int headerLength_ = 0;  // characters of the dropped line with its line break
    qint64 dropped_ = 0;
    qint64 shownDropped_ = 0;  // the count the first line shows
};

}  // namespace comm
