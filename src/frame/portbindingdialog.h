#pragma once

#include <QDialog>
#include <array>

class QComboBox;
class QLabel;

namespace comm {

class PortDirectory;

// Binds each of the four port items to a device: one of the detected devices (kept by its stable
// identity, so it follows the adapter to any socket), "自动", or a typed path. The lists follow
// devices as they come and go; OK stores the bindings in the directory. Modal over the main window,
// which makes it.
class PortBindingDialog : public QDialog {
    Q_OBJECT
public:
    explicit PortBindingDialog(PortDirectory& directory, QWidget* parent = nullptr);

    // The drop-down of item 1..4.
    QComboBox* chooser(int item) const { return choosers_[size_t(item - 1)]; }
    // What the drop-down of item 1..4 binds to: a stable identity, a path, or empty (automatic).
    QString chosen(int item) const;

    void accept() override;

private:
    void fill();

    PortDirectory& directory_;
    std::array<QComboBox*, 4> choosers_{};
    std::array<QLabel*, 4> now_{};
};

}  // namespace comm
