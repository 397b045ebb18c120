#pragma once

#include <QWidget>

#include "framing.h"

class QCheckBox;
class QDoubleSpinBox;
class QLabel;

namespace comm {

// The execution window's options for received frames: judge them (检查接收幀), end a frame after
// a quiet gap of so many characters (静默分幀), resynchronise on the start bytes (起始位同步), and
// the counts of good and bad frames. All off when the window opens, as nothing is remembered.
class ReceiveRulesPanel : public QWidget {
    Q_OBJECT
public:
    explicit ReceiveRulesPanel(QWidget* parent = nullptr);

    ReceiveRules rules() const;
    // The counts of the run, or none (an empty label) for a run that does not judge.
    void showCounts(int good, int bad);
    void clearCounts();

private:
    QCheckBox* check_ = nullptr;
    QCheckBox* gap_ = nullptr;
    QDoubleSpinBox* gapChars_ = nullptr;
    QCheckBox* sync_ = nullptr;
    QLabel* counts_ = nullptr;
};

}  // namespace comm
