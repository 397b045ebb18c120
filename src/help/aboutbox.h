#pragma once

#include <QDialog>

namespace comm::help {

// The about box (Form5): the program's picture and three raised captions. Shown modally by the
// about command, which owns it.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace comm::help
