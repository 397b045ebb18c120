#pragma once

#include <QString>

#include "txlfile.h"

namespace comm {

// The three options of a communication as a run uses them.
struct RunOptions {
    // "循环次数": the run ends once count - 1 < the kind's counter (compared as real numbers,
    // so a count below 1 still handles one frame or exchange, and none in kind 2).
    bool counted = false;
    double count = 0.0;
    // Kind 4's pause before each answer: 100 ms, or the answer delay + 100 ms.
    int answerPauseMs = 100;
    // Kinds 2 and 3: the longest wait for a frame before asking; 0 waits without limit.
    int receiveLimitMs = 0;
};

// Reads the options of the document window for a run of the given kind. A box's number is the
// leading number of its text. Returns false with a message in *error for a delay or limit that no
// timer can take (negative, or longer than about 24 days); only the options the kind uses count.
bool ResolveRunOptions(int kind, const CommOptions& options, RunOptions* out, QString* error);

// The options a communication file stores, as a document window built from that file shows them.
CommOptions OptionsFromFile(const CommDefinition& def);

}  // namespace comm
