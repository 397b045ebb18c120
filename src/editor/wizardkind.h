#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

namespace comm {

// Step one of the new-communication wizard (Form1): the kind of the communication as one choice of
// four options in two groups, with a marker that runs along the group under the mouse pointer.
// Owned by the wizard, which reacts to its Next and Abandon buttons.
class WizardKindStep : public QDialog {
    Q_OBJECT
public:
    explicit WizardKindStep(QWidget* parent = nullptr);

    // CommKind of the selected option: 1..4.
    int kind() const;
    QRadioButton* option(int kind) const;
    QPushButton* nextButton() const { return next_; }
    QPushButton* abandonButton() const { return abandon_; }
    QLabel* marker() const { return marker_; }
    // Group whose parameters drive the marker: 1 or 2.
    int markerGroup() const { return markerGroup_; }

    // One tick of the marker animation, run by its 200 ms timer.
    void moveMarker();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void followGroup(int group);

    // Indexed by kind - 1.
    std::array<QRadioButton*, 4> options_{};
    QPushButton* next_ = nullptr;
    QPushButton* abandon_ = nullptr;
    QLabel* marker_ = nullptr;
    QTimer* markerTimer_ = nullptr;
    // Kept in twips so that steps of 100 twips do not drift through rounding to pixels.
    int markerLeft_ = 0;
    int markerStart_ = 0;
    int markerEnd_ = 0;
    int markerStep_ = 0;
    int markerGroup_ = 0;
};

}  // namespace comm
