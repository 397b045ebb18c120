#pragma once

#include <QDialog>
#include <array>

#include "commdefinition.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace comm {

class SpinButtons;

// Numeric value of the leading decimal number of a text, 0 when there is none ("12个" -> 12).
int LeadingNumber(const QString& text);
// True for a whole number of data bytes the wizard accepts: digits only, 1..255.
bool IsDataCount(const QString& text);

// Step two of the new-communication wizard (Form2): the byte count of every field of the send
// and the receive frame, each with its spin buttons. Owned by the wizard.
class WizardCountsStep : public QDialog {
    Q_OBJECT
public:
    explicit WizardCountsStep(QWidget* parent = nullptr);

    // Shows the panels of the frames the kind uses.
    void prepareForKind(int kind);
    // The eight counts in FrameFieldCount order, hidden panels included.
    std::array<qint16, 8> counts() const;
    // The data counts of the panels shown are whole numbers 1..255.
    bool countsValid() const;

    QGroupBox* panel(FrameSide side) const { return panels_[int(side)]; }
    // The box of the data count, the label of the other counts.
    QLineEdit* dataBox(FrameSide side) const { return dataBoxes_[int(side)]; }
    QLabel* countLabel(FrameSide side, Field field) const;
    SpinButtons* spin(FrameSide side, Field field) const;
    QPushButton* backButton() const { return back_; }
    QPushButton* nextButton() const { return next_; }
    QPushButton* abandonButton() const { return abandon_; }

private:
    QGroupBox* buildPanel(FrameSide side);
    QString countText(FrameSide side, Field field) const;
    bool showsSide(FrameSide side) const;
    void updateNext();

    // Both panels until a kind is chosen.
    int kind_ = 3;
    std::array<QGroupBox*, 2> panels_{};
    std::array<QLineEdit*, 2> dataBoxes_{};
    // Indexed by side, then by Field; the data entry is empty (its count is in a box).
    std::array<std::array<QLabel*, 4>, 2> labels_{};
    std::array<std::array<SpinButtons*, 4>, 2> spins_{};
    QPushButton* back_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* abandon_ = nullptr;
};

}  // namespace comm
