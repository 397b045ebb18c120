#pragma once

#include <QGroupBox>
#include <QList>
#include <array>

#include "serialport.h"

class QLabel;

namespace comm::ui {

// The live line of an open port: lamps for CTS, DSR, DCD and RI (LineLamp_0..3) and the counts of
// framing, parity, overrun and break errors since the open (LineErrors_0..3). What the device
// cannot tell reads "不可用" (LineLampsNote, LineErrorsNote); a closed port shows the lamps off and
// no counts. It only shows what it is given; the window feeds it the port's lineStateChanged.
// Owned by the window that shows it.
class LineStatePanel : public QGroupBox {
    Q_OBJECT
public:
    enum Lamp { Cts, Dsr, Dcd, Ring };
    enum Counter { Framing, Parity, Overrun, Break };

    explicit LineStatePanel(QWidget* parent = nullptr);

    void showState(const LineState& state);

    QLabel* lamp(Lamp which) const { return lamps_[which]; }
    QLabel* counter(Counter which) const { return counters_[which]; }
    QLabel* lampsNote() const { return lampsNote_; }
    QLabel* errorsNote() const { return errorsNote_; }

private:
    void setLamp(Lamp which, bool on);

    std::array<QLabel*, 4> lamps_{};
    std::array<QLabel*, 4> counters_{};
    QList<QWidget*> lampCells_;
    QList<QWidget*> counterCells_;
    QLabel* lampsNote_ = nullptr;
    QLabel* errorsNote_ = nullptr;
};

}  // namespace comm::ui
