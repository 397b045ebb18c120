#pragma once

#include <QString>

namespace comm {

// What one kind of communication does, for every part of the program that asks: the wizard,
// the document window, the writer, the options resolver and the run engine.
struct CommKindRules {
    int number = 0;  // CommKind and the first byte of a communication file; 0 for no kind
    // The source text of the wizard's option (KindWords gives it in the interface language).
    const char* words = "";
    bool sends = false;              // the send frame is defined, listed and sent: 1, 3, 4
    bool receives = false;           // receive frames are defined and taken: 2, 3, 4
    bool keepsDelay = false;         // the delay option belongs to it, a file keeps it: 3, 4
    bool delaysAnswer = false;       // a run pauses delay + 100 ms before each answer: 4
    bool keepsReceiveLimit = false;  // the receive time limit: 2, 3
    bool listsIncompleteSend =
        false;  // lists a send frame with bytes missing before refusing: 1, 4
};

// True for the kinds 1..4.
bool IsCommKind(int number);
// The rules of kind 1..4; for any other number the rules of no kind, where nothing applies.
const CommKindRules& KindRules(int number);
// The wizard's option for kind 1..4 in the interface language; empty for any other number.
QString KindWords(int number);
// "1.发送数据后不向微机回送数据" and so on, the document window's kind line; empty for a number
// that is no kind.
QString KindLine(int number);

}  // namespace comm
