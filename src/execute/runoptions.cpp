#include "runoptions.h"

#include <limits>

#include "runtext.h"

namespace comm {

namespace {
constexpr int kAnswerPauseMs = 100;

// Milliseconds a timer can wait for, with room for the answer pause on top.
bool timerMs(double value, int* ms) {
    const double limit = double(std::numeric_limits<int>::max() - kAnswerPauseMs);
    if (!(value >= 0.0) || value > limit) return false;
    *ms = int(value + 0.5);
    return true;
}
}  // namespace

bool ResolveRunOptions(int kind, const CommOptions& options, RunOptions* out, QString* error) {
    RunOptions run;
    run.counted = !options.loopForever;
    run.count = run.counted ? BoxNumber(options.loopText) : 0.0;

    if (kind == 4 && !options.noDelay) {
        int delay = 0;
        if (!timerMs(BoxNumber(options.delayText), &delay)) {
            *error = QStringLiteral("延迟时间“%1”无效：请输入0到%2之间的毫秒数！")
                         .arg(options.delayText)
                         .arg(std::numeric_limits<int>::max() - kAnswerPauseMs);
            return false;
        }
        run.answerPauseMs = delay + kAnswerPauseMs;
    }
    if ((kind == 2 || kind == 3) && !options.noWait) {
        if (!timerMs(BoxNumber(options.waitText), &run.receiveLimitMs)) {
            *error = QStringLiteral("接收最长等待时间“%1”无效：请输入0到%2之间的毫秒数！")
                         .arg(options.waitText)
                         .arg(std::numeric_limits<int>::max() - kAnswerPauseMs);
            return false;
        }
    }
    *out = run;
    return true;
}

CommOptions OptionsFromFile(const CommDefinition& def) {
    CommOptions options;
    options.loopForever = def.FileLoopCount == 0;
    if (!options.loopForever) options.loopText = QString::number(def.FileLoopCount);
    options.noDelay = def.FileDelayTime == 0;
    if (!options.noDelay) options.delayText = QString::number(def.FileDelayTime);
    options.noWait = def.FileWaitTime == 0;
    if (!options.noWait) options.waitText = QString::number(def.FileWaitTime);
    return options;
}

}  // namespace comm
