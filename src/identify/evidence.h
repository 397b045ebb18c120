#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "linesettings.h"

namespace comm {

// What speaks for one listed candidate, from everything that waited when its time was up.
struct CandidateEvidence {
    int received = 0;         // bytes that waited
    int capacity = 0;         // the most its line could carry in the listening time
    int textShare = 0;        // percent of them printable ASCII, CR, LF or TAB
    int tooWide = 0;          // bytes with bits above its data bits: it cannot have taken those
    int distinct = 0;         // different byte values among them
    int errorsSeen = 0;       // line errors reported while it listened
    bool errorsKnown = true;  // false when the port cannot report line errors
};

// One candidate under which bytes arrived without a line error.
struct ListedCandidate {
    QString settings;   // as read back from the port
    QByteArray bytes;   // the first of them, at most ten
    LineSettings line;  // the candidate as a value
    int order = 0;      // its place among all candidates, from 0
    CandidateEvidence evidence;
};

CandidateEvidence GatherEvidence(const QByteArray& waiting, const LineSettings& candidate,
                                 int listenMs, int errorsSeen, bool errorsKnown);

// What a wrong setting makes of a device's traffic rather than the traffic: one byte value over
// and over (a receiver far faster or slower than the device takes every character alike), or far
// fewer bytes than the candidate's line carries (a character survives its checks only now and
// then).
bool LooksLikeGarbage(const CandidateEvidence& evidence);

// The listed candidates' indexes, most likely first: what does not look like garbage, fewer
// errors seen, no bytes too wide for its data bits, more of the device's traffic readable, more
// data bits (what devices use most), then the order tried (the higher baud rates first, the
// likelier).
QList<int> RankCandidates(const QList<ListedCandidate>& listed);

// Whether two listings speak equally for their settings: only the preferences (data bits, the
// order tried) would tell them apart.
bool SameEvidence(const ListedCandidate& a, const ListedCandidate& b);

// The evidence column: "字节 1180/19200  可读 100%  线路差错 0".
QString EvidenceText(const CandidateEvidence& evidence);

// The bytes as the result list shows them: two upper-case hex digits and a blank each.
QString RecordText(const QByteArray& bytes);

}  // namespace comm
