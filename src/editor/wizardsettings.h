#pragma once

#include <QDialog>
#include <array>

#include "linesettings.h"

class QComboBox;
class QPushButton;

namespace comm {

// Step three of the new-communication wizard (Form3): baud rate, data bits, parity and stop bits
// picked from fixed lists. Owned by the wizard.
class WizardSettingsStep : public QDialog {
    Q_OBJECT
public:
    explicit WizardSettingsStep(QWidget* parent = nullptr);

    // Positions in the lists, in PortSettingIndex order: baud, data bits, parity, stop bits.
    SettingIndexes indexes() const;
    QComboBox* list(SettingIndex which) const { return lists_[which]; }
    QPushButton* backButton() const { return back_; }
    QPushButton* finishButton() const { return finish_; }
    QPushButton* abandonButton() const { return abandon_; }

private:
    std::array<QComboBox*, 4> lists_{};
    QPushButton* back_ = nullptr;
    QPushButton* finish_ = nullptr;
    QPushButton* abandon_ = nullptr;
};

}  // namespace comm
