#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "linesettings.h"

class QComboBox;
class QPushButton;

namespace comm {

// The port settings dialog (Form9): opens on a settings text (the presets when it is empty) and
// gives back the settings confirmed, or none when it is abandoned or closed. What it edits (the
// communication's settings or the port monitor's) is the caller's to store. Owned by the caller
// for the length of one exec().
class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    // List indexes of Combo1: baud rate, data bits, parity, stop bits.
    enum List { BaudList = 0, DataBitsList = 1, ParityList = 2, StopBitsList = 3 };

    explicit SettingsDialog(const QString& settingsText, QWidget* parent = nullptr);

    // Shows the dialog modally on the text; the settings confirmed, none otherwise.
    static std::optional<LineSettings> edit(const QString& settingsText, QWidget* parent);

    QComboBox* list(List which) const { return lists_[which]; }
    // The settings confirmed; none before that, or after an abandon.
    const std::optional<LineSettings>& chosen() const { return chosen_; }

public slots:
    // "确认[&F]": takes the chosen settings and closes.
    void confirm();
    // "放弃[&X]": closes with none.
    void abandon();

private:
    void showSettings(const QString& text);

    std::array<QComboBox*, 4> lists_{};
    std::optional<LineSettings> chosen_;
};

}  // namespace comm
