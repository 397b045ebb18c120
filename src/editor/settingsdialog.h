#pragma once

#include <QDialog>
#include <array>

#include "commdefinition.h"

class QComboBox;
class QPushButton;

namespace comm {

// The port settings dialog (Form9). It edits the communication's settings when SettingsTarget
// is 0 and the port monitor's when it is -1; the caller sets the target, then shows it modally.
// Abandoning it for the communication empties CommSettingsText, which tells the document window
// to put back the texts it kept. Owned by the caller for the length of one exec().
class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    // List indexes of Combo1: baud rate, data bits, parity, stop bits.
    enum List { BaudList = 0, DataBitsList = 1, ParityList = 2, StopBitsList = 3 };

    explicit SettingsDialog(CommDefinition& definition, QWidget* parent = nullptr);

    QComboBox* list(List which) const { return lists_[which]; }

public slots:
    // "确认[&F]": stores the chosen settings into the target and closes.
    void confirm();
    // "放弃[&X]": closes; for the communication it empties CommSettingsText first.
    void abandon();

private:
    bool forMonitor() const { return definition_.SettingsTarget == -1; }
    void showSettings(const QString& text);

    CommDefinition& definition_;
    std::array<QComboBox*, 4> lists_{};
};

}  // namespace comm
