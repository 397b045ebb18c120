#pragma once

#include <QDialog>

namespace comm::help {

// The support box (Form6): the raised heading "SOS" and the note on look-alike settings.
// Shown modally by the support command, which owns it.
class SupportBox : public QDialog {
    Q_OBJECT
public:
    explicit SupportBox(QWidget* parent = nullptr);
};

}  // namespace comm::help
