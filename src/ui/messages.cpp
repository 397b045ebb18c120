#include "messages.h"

#include <QApplication>
#include <QMessageBox>

namespace comm::ui {

namespace {
DetailedMessageResponder& responder() {
    static DetailedMessageResponder r;
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

QString OverwriteQuestion() {
    return QCoreApplication::translate("Messages", "该文件已经存在是否覆盖?");
}

QString MessageCaption() {
    return QCoreApplication::translate("Messages", "提示信息");
}

namespace {
bool Show(QWidget* parent, const QString& text, const QString& detail, MessageIcon icon,
          bool okCancel) {
    if (responder()) return responder()(text, detail, icon, okCancel);
    QMessageBox box(boxIcon(icon), MessageCaption(), text,
                    okCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setDefaultButton(QMessageBox::Ok);
    if (!detail.isEmpty()) box.setInformativeText(detail);
    return box.exec() == QMessageBox::Ok;
}
}  // namespace

bool ShowMessage(QWidget* parent, const QString& text, MessageIcon icon, bool okCancel,
                 const QString& informative) {
    return Show(parent, text, informative, icon, okCancel);
}

bool ShowMessage(QWidget* parent, const QString& text, const QString& detail, MessageIcon icon) {
    return Show(parent, text, detail, icon, false);
}

void SetMessageResponder(MessageResponder r) {
    if (!r) {
        responder() = {};
        return;
    }
    responder() = [r = std::move(r)](const QString& text, const QString& detail, MessageIcon icon,
                                     bool okCancel) {
        return r(detail.isEmpty() ? text : text + QStringLiteral("\n\n") + detail, icon, okCancel);
    };
}

void SetMessageResponder(DetailedMessageResponder r) {
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
