#pragma once

#include <QObject>

#include "lineimpairment.h"

class QSocketNotifier;

namespace rs232sim {

class PacedWriter;

// One direction of a null-modem cable: what one program writes to its end comes out at the other
// end, after the line's faults and at the line's pace. Owned by the pair it belongs to.
class LineChannel : public QObject {
    Q_OBJECT
public:
    LineChannel(int fromMaster, int toMaster, qint64 characterNs, const LineImpairment& impairment,
                QObject* parent = nullptr);

private:
    void readSome();

    int from_;
    LineImpairment impairment_;
    PacedWriter* writer_;
    QSocketNotifier* readable_;
};

}  // namespace rs232sim
