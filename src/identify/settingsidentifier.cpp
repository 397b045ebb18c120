#include "settingsidentifier.h"

#include <QPointer>
#include <cmath>

#include "holdpanestarter.h"

namespace comm {

namespace {
bool RejectsCandidate(int code) {
    return code == SerialPort::ErBreak || code == SerialPort::ErFrame ||
           code == SerialPort::ErOverrun || code == SerialPort::ErRxParity;
}
}  // namespace

SettingsIdentifier::SettingsIdentifier(SerialPort& port, Clock& clock, HoldpaneStarter& holdpane,
                                       QObject* parent)
    : QObject(parent), port_(port), machine_(port, clock), holdpane_(holdpane) {
    port_.setInputMode(1);
    port_.setInputLen(1);
    connect(&machine_, &StepMachine::lineEvent, this, &SettingsIdentifier::onLineEvent);
    connect(&machine_, &StepMachine::deviceLost, this, [this](const QString& reason) {
        if (isRunning()) fail(Failure::DeviceLost, reason);
    });
}

SettingsIdentifier::~SettingsIdentifier() {
    machine_.halt();
    port_.setPortOpen(false);
}

void SettingsIdentifier::start() {
    if (isRunning()) return;
    index_ = {};
    number_ = 0;
    done_ = 0;
    noticeGiven_ = false;
    listed_.clear();
    ranking_.clear();
    verdict_ = Verdict();
    machine_.start();
    state_ = State::Between;
    emit started(lists_.total());
    if (isRunning()) beginCandidate();
}

void SettingsIdentifier::beginCandidate() {
    const QPointer<SettingsIdentifier> alive(this);
    port_.setSettings(lists_.candidate(index_).text());
    lineError_ = false;
    timeUp_ = false;
    settled_ = false;
    errorCode_ = 0;
    errorsSeen_ = 0;
    emit candidateStarted(number_, index_, port_.settings());
    if (!alive || !isRunning()) return;
    if (!port_.setPortOpen(true)) {
        fail(Failure::PortFailed, port_.failure().reason);
        return;
    }
    state_ = State::Listening;
    emit portOpenChanged(true);
    if (!alive || !isRunning()) return;
    if (!noticeGiven_ && !port_.reportsLineErrors()) {
        // Said before any listening, so time spent reading it is no candidate's.
        noticeGiven_ = true;
        emit lineErrorsUnreported();
        if (!alive || state_ != State::Listening) return;
    }
    machine_.armLimit(listenMs_, [this] {
        timeUp_ = true;
        machine_.next([this] { pass(); });
    });
    QString error;
    if (!holdpane_.start(&error)) {
        fail(Failure::HoldpaneFailed, error);
        return;
    }
    port_.clearInput();
    // A device that sends all the time is caught inside a character: the part received under
    // the new settings is garbage, often with a framing error, and says nothing about them. What
    // comes in the first character times is thrown away like the waiting input.
    machine_.next(
        [this] {
            if (state_ != State::Listening) return;
            port_.clearInput();
            settled_ = true;
        },
        SettleMs(lists_.candidate(index_)));
}

int SettleMs(const LineSettings& line) {
    return kSettleExtraMs + int(std::ceil(2 * line.bitsPerCharacter() * 1000 / line.baudRate));
}

void SettingsIdentifier::onLineEvent(int code) {
    if (state_ != State::Listening || !settled_) return;
    if (code >= SerialPort::ErBreak) ++errorsSeen_;
    if (!RejectsCandidate(code) || lineError_) return;
    lineError_ = true;
    errorCode_ = code;
    machine_.next([this] { pass(); });
}

// One pass of the listening loop: a time-up that came is handled before a line error that came
// with it, so such a candidate is still listed when bytes wait.
void SettingsIdentifier::pass() {
    if (state_ != State::Listening) return;
    if (timeUp_) {
        if (port_.inBufferCount() > 0) listCandidate();
    } else if (lineError_) {
        emit candidateRejected(port_.settings(), errorCode_);
        if (state_ != State::Listening) return;
    } else {
        return;
    }
    closeCandidate();
}

void SettingsIdentifier::listCandidate() {
    ListedCandidate c;
    c.settings = port_.settings();
    c.order = number_;
    c.line = lists_.candidate(index_);
    while (c.bytes.size() < kRecordBytes && port_.inBufferCount() > 0) c.bytes += port_.input();
    // The rest is only looked at for the evidence: the port is closed next, which drops it.
    port_.setInputLen(0);
    const QByteArray rest = port_.input();
    port_.setInputLen(1);
    c.evidence =
        GatherEvidence(c.bytes + rest, c.line, listenMs_, errorsSeen_, port_.reportsLineErrors());
    listed_.append(c);
    emit candidateListed(c);
}

void SettingsIdentifier::closeCandidate() {
    const QPointer<SettingsIdentifier> alive(this);
    machine_.cancelLimit();
    port_.setPortOpen(false);
    state_ = State::Between;
    ++done_;
    ++number_;
    emit portOpenChanged(false);
    if (!alive || !isRunning()) return;
    emit progressed(done_, lists_.total());
    if (!alive || !isRunning()) return;
    if (nextIndexes())
        machine_.next([this] { beginCandidate(); });
    else
        finish();
}

// The four nested loops, stop bits innermost. An index set to its list's size (a stop) ends its
// loop and every loop around it.
bool SettingsIdentifier::nextIndexes() {
    for (int level = 3; level >= 0; --level) {
        if (++index_[level] < lists_.size(level)) {
            for (int inner = level + 1; inner < 4; ++inner) index_[inner] = 0;
            return true;
        }
    }
    return false;
}

void SettingsIdentifier::stop() {
    if (!isRunning()) return;
    const QPointer<SettingsIdentifier> alive(this);
    const bool listening = state_ == State::Listening;
    // Nothing moves while the notice is read, and the candidate is not listed: no pass runs and
    // no line event counts until it is closed.
    machine_.cancelLimit();
    machine_.hold();
    state_ = State::Between;
    timeUp_ = true;
    for (int level = 0; level < 4; ++level) index_[level] = lists_.size(level);
    emit stopped();
    if (!alive || !isRunning()) return;
    if (listening)
        closeCandidate();
    else
        finish();
}

void SettingsIdentifier::abort() {
    machine_.halt();
    state_ = State::Idle;
    port_.setPortOpen(false);
}

void SettingsIdentifier::finish() {
    machine_.halt();
    state_ = State::Idle;
    port_.setPortOpen(false);
    ranking_ = RankCandidates(listed_);
    verdict_ = JudgeCandidates(listed_, ranking_);
    emit finished(int(listed_.size()));
}

void SettingsIdentifier::fail(Failure failure, const QString& reason) {
    machine_.halt();
    state_ = State::Idle;
    port_.setPortOpen(false);
    emit portOpenChanged(false);
    emit failed(failure, reason);
}

}  // namespace comm
