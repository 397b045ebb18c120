#include "messages.h"

#include <QApplication>
#include <QMessageBox>

namespace comm::ui {

namespace {
MessageResponder& responder() {
    static MessageResponder r;
    return r;
}

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::Information:
            break;
    }
    return QMessageBox::Information;
}
}  // namespace

QString MessageCaption() {
    return QCoreApplication::translate("Messages", "提示信息");
}

bool ShowMessage(QWidget* parent, const QString& text, MessageIcon icon, bool okCancel,
                 const QString& informative) {
    if (responder())
        return responder()(
            informative.isEmpty() ? text : text + QStringLiteral("\n\n") + informative, icon,
            okCancel);
    QMessageBox box(boxIcon(icon), MessageCaption(), text,
                    okCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    if (!informative.isEmpty()) box.setInformativeText(informative);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

void SetMessageResponder(MessageResponder r) {
    responder() = std::move(r);
}

namespace {
BeepHandler& beepHandler() {
    static BeepHandler h;
    return h;
}
}  // namespace

void Beep() {
    if (beepHandler())
        beepHandler()();
    else
        QApplication::beep();
}

void SetBeepHandler(BeepHandler handler) {
    beepHandler() = std::move(handler);
}

}  // namespace comm::ui
