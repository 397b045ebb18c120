#pragma once

#include <QByteArray>
#include <QVector>

namespace comm {

// How a run tells where a received frame ends and whether it judges what it took. All off by
// default: a frame is then exactly R bytes and nothing is compared.
struct ReceiveRules {
    bool check = false;     // compare each frame with the receive frame
    double gapChars = 0.0;  // > 0: a quiet line for this many character times ends a frame
    bool sync = false;      // drop bytes until they match the entered start bytes
    bool framed() const { return gapChars > 0.0 || sync; }
    bool any() const { return check || framed(); }
};

// Where the next frame lies in the bytes read so far.
struct FrameCut {
    int drop = 0;  // leading bytes that cannot begin a frame
    int take = 0;  // the frame's length after those; 0 while it is not whole yet
};

// Cuts the next frame from pending. A frame is frameLength bytes; with sync the bytes before the
// first place where the start pattern (-1 takes any byte) could begin are dropped, also when only
// part of the pattern has come; with quiet (the line has been quiet for the gap since the last
// byte) whatever is left is a frame of its own, short or not.
FrameCut CutFrame(const QByteArray& pending, int frameLength, const QVector<int>& start, bool sync,
                  bool quiet);

}  // namespace comm
