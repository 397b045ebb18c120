#include "commoptions.h"

#include <QCoreApplication>
#include <cmath>
#include <limits>

#include "commkind.h"

namespace comm {

namespace {

constexpr int kAnswerPauseMs = 100;
constexpr int kLongestTimerMs = std::numeric_limits<int>::max() - kAnswerPauseMs;

// The writer's test: a box "holds a number" when it is a run of decimal digits, blanks around it
// allowed. A sign is no digit, so a negative text is no number and is stored as 0.
bool holdsNumber(const QString& text, qint64* value) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return false;
    for (QChar c : t)
        if (c.unicode() < '0' || c.unicode() > '9') return false;
    // More digits than fit any option: the largest number stands for them.
    *value = t.size() > 18 ? std::numeric_limits<qint64>::max() : t.toLongLong();
    return true;
}

qint32 storedTime(bool applies, bool zeroOption, QString* box) {
    if (!applies) {
        box->clear();
        return 0;
    }
    if (zeroOption) return 0;
    qint64 v = 0;
    if (!holdsNumber(*box, &v)) {
        box->clear();
        return 0;
    }
    if (v > std::numeric_limits<qint32>::max()) {
        v = std::numeric_limits<qint32>::max();
        *box = QString::number(v);
    }
    return qint32(v);
}

// A stored time as its option pair shows it; a negative one, which no save writes, is none.
void shownTime(qint32 stored, bool* zeroOption, QString* box) {
    *zeroOption = stored <= 0;
    *box = *zeroOption ? QString() : QString::number(stored);
}

// The milliseconds of a box for a timer: a negative number counts as none (0); false for more
// than a timer can wait with the answer pause on top.
bool runTime(const QString& box, int* ms) {
    const double value = BoxNumber(box);
    if (value > double(kLongestTimerMs)) return false;
    *ms = value > 0.0 ? int(std::lround(value)) : 0;
    return true;
}

QString refusal(const QString& what, const QString& box) {
    return QCoreApplication::translate("CommOptions", "%1“%2”无效：请输入0到%3之间的毫秒数！")
        .arg(what, box, QString::number(kLongestTimerMs));
}

}  // namespace

double BoxNumber(const QString& text) {
    int i = 0;
    const int n = int(text.size());
    while (i < n && text.at(i).isSpace()) ++i;
    const int begin = i;
    if (i < n && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) ++i;
    bool digits = false;
    while (i < n && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9'))
        ++i, digits = true;
    if (i < n && text.at(i) == QLatin1Char('.')) {
        ++i;
        while (i < n && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9'))
            ++i, digits = true;
    }
    if (!digits) return 0.0;
    bool ok = false;
    const double value = text.mid(begin, i - begin).toDouble(&ok);
    return ok ? value : 0.0;
}

CommOptions OptionsFromFile(const CommDefinition& def) {
    CommOptions options;
    options.loopForever = def.FileLoopCount == 0;
    if (!options.loopForever) options.loopText = QString::number(def.FileLoopCount);
    shownTime(def.FileDelayTime, &options.noDelay, &options.delayText);
    shownTime(def.FileWaitTime, &options.noWait, &options.waitText);
    return options;
}

OptionValues ResolveFileOptions(int kind, CommOptions* options) {
    const CommKindRules& rules = KindRules(kind);
    OptionValues values;
    if (!options->loopForever) {
        qint64 v = 0;
        if (!holdsNumber(options->loopText, &v)) {
            options->loopText.clear();
        } else if (v < 255) {
            values.loopCount = quint8(v);
        } else {
            options->loopText = QStringLiteral("255");
            values.loopCount = 255;
        }
    }
    values.delay = storedTime(rules.keepsDelay, options->noDelay, &options->delayText);
    values.wait = storedTime(rules.keepsReceiveLimit, options->noWait, &options->waitText);
    return values;
}

bool ResolveRunOptions(int kind, const CommOptions& options, RunOptions* out, QString* error) {
    const CommKindRules& rules = KindRules(kind);
    RunOptions run;
    run.counted = !options.loopForever;
    run.count = run.counted ? BoxNumber(options.loopText) : 0.0;

    if (rules.delaysAnswer && !options.noDelay) {
        int delay = 0;
        if (!runTime(options.delayText, &delay)) {
            *error =
                refusal(QCoreApplication::translate("CommOptions", "延迟时间"), options.delayText);
            return false;
        }
        run.answerPauseMs = delay + kAnswerPauseMs;
    }
    if (rules.keepsReceiveLimit && !options.noWait &&
        !runTime(options.waitText, &run.receiveLimitMs)) {
        *error = refusal(QCoreApplication::translate("CommOptions", "接收最长等待时间"),
                         options.waitText);
        return false;
    }
    *out = run;
    return true;
}

}  // namespace comm
