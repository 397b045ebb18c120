#include "messages.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

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

bool ShowMessage(QWidget* parent, const QString& text, MessageIcon icon, bool okCancel) {
    if (responder()) return responder()(text, icon, okCancel);
    QMessageBox box(boxIcon(icon), kMessageCaption, text,
                    okCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

void SetMessageResponder(MessageResponder r) {
    responder() = std::move(r);
}

bool InstallChineseStandardTexts() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_zh_CN"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
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
