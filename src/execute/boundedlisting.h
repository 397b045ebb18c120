#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QPlainTextEdit;

namespace comm {

// A listing box that frames come into faster than a screen shows them. Frames wait until show()
// puts them in with one edit, and the box keeps only the latest `limit` frames, its first line
// saying how many earlier ones were dropped; without that bound the box would grow (and slow)
// for as long as a run lasts.
class BoundedListing {
public:
    static constexpr int kDefaultLimit = 10000;

    explicit BoundedListing(QPlainTextEdit* box, int limit = kDefaultLimit);

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
    QPlainTextEdit* box_;
    int limit_;
    QStringList waiting_;
    QList<int> shownLengths_;  // characters of each frame in the box, oldest first
    int headerLength_ = 0;     // characters of the dropped line with its line break
    qint64 dropped_ = 0;
    qint64 shownDropped_ = 0;  // the count the first line shows
};

}  // namespace comm
