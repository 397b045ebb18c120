#pragma once

#include <QString>
#include <QtGlobal>

#include "commdefinition.h"

namespace comm {

// The one place that says what the three options of a communication (loop, delay, receive time
// limit) mean: as a file stores them, as the document window shows them and as a run uses them.
// The writer, the document window, printing, the run engine and comm-cli all go through here.
//
// A negative delay or limit (only a damaged file or a stray text can hold one) means no delay and
// no limit everywhere: the window shows "不延迟" / "不提示错误,直到收到数据", a run does not pause
// or wait for it, and the writer stores 0.

// The three option pairs as the document window holds them: which option of each pair is
// selected and the text of its box.
struct CommOptions {
    bool loopForever = true;  // "一直循环", else "循环次数" with loopText
    QString loopText;
    bool noDelay = true;  // "不延迟", else "延迟时间" with delayText
    QString delayText;
    bool noWait = true;  // "不提示错误,直到收到数据", else "等待" with waitText
    QString waitText;
};

// The numbers a file stores for the three options.
struct OptionValues {
    quint8 loopCount = 0;
    qint32 delay = 0;
    qint32 wait = 0;
};

// The three options as a run uses them.
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

// The value of the leading number of a box's text, 0 when there is none: " 12abc" -> 12,
// "2.5" -> 2.5, "-3" -> -3, "x1" -> 0.
double BoxNumber(const QString& text);

// The options a communication file stores, as a document window built from that file shows them
// (reads FileLoopCount, FileDelayTime and FileWaitTime).
CommOptions OptionsFromFile(const CommDefinition& def);

// Applies the writer's rules to the options of a communication of the given kind: the numbers
// to store, and in *options the texts the boxes must show afterwards (a loop count of 300 becomes
// "255", a box that is no number or does not apply to the kind is emptied).
OptionValues ResolveFileOptions(int kind, CommOptions* options);

// Reads the options for a run of the given kind; a box's number is BoxNumber of its text. Returns
// false with a message in *error for a delay or limit too long for a timer (about 24 days); only
// the options the kind uses count.
bool ResolveRunOptions(int kind, const CommOptions& options, RunOptions* out, QString* error);

}  // namespace comm
