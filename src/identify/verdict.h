#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "evidence.h"

namespace comm {

// What the evidence of a whole run allows to say about the device's settings. It names a setting
// only when one listing speaks for itself better than every other; when the best ones cannot be
// told apart it names them together, and when what was listed cannot speak for any setting it
// names none and says why.
struct Verdict {
    enum class Kind {
        NothingListed,     // no candidate took in a byte without a line error
        Likely,            // settings holds the one
        Tied,              // settings holds the listings with the best and equal evidence
        OnlyGarbage,       // every listing looks like what wrong settings make of the traffic
        ErrorsUnreported,  // the port cannot report line errors, so nothing was ruled out
    };
    Kind kind = Kind::NothingListed;
    QStringList settings;
};

// The verdict on the listings, given their ranking (RankCandidates).
Verdict JudgeCandidates(const QList<ListedCandidate>& listed, const QList<int>& ranking);

// One line for people: "最可能的设置: 9600,E,8,1", or what cannot be told and why.
QString VerdictText(const Verdict& verdict);

// The kind for scripts: "none", "likely", "tied", "garbage", "unreported".
QString VerdictKindName(Verdict::Kind kind);

}  // namespace comm
