#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include "messages.h"
#include "translations.h"

using comm::ui::MessageIcon;

namespace {

// What the real box looked like while it was up.
struct SeenBox {
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QStringList buttonTexts;
    bool modal = false;
};

// Answers the box from inside its modal loop by clicking one of its buttons, the way a user does;
// a later timer ends a box that could not be answered, so the test cannot hang.
bool showAndAnswer(MessageIcon icon, bool okCancel, QMessageBox::StandardButton answer,
                   SeenBox* seen) {
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seen->shown = true;
        seen->title = box->windowTitle();
        seen->text = box->text();
        seen->icon = box->icon();
        seen->buttons = box->standardButtons();
        seen->modal = box->isModal();
        for (QAbstractButton* button : box->buttons())
            seen->buttonTexts << button->text().remove(QLatin1Char('&'));
        if (QAbstractButton* button = box->button(answer)) button->click();
    });
    QTimer::singleShot(10000, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->done(QMessageBox::Cancel);
    });
    return comm::ui::ShowMessage(nullptr, QStringLiteral("该文件不存在，请重新打开！"), icon,
                                 okCancel);
}

}  // namespace

class TestMessages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(comm::texts::InstallLanguage(comm::texts::Language::Chinese)); }

    void realBox_data() {
        QTest::addColumn<int>("icon");
        QTest::addColumn<bool>("okCancel");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("boxIcon");
        QTest::addColumn<bool>("result");
        const auto row = [](const char* name, MessageIcon icon, bool okCancel,
                            QMessageBox::StandardButton answer, QMessageBox::Icon boxIcon,
                            bool result) {
            QTest::newRow(name) << int(icon) << okCancel << int(answer) << int(boxIcon) << result;
        };
        row("refusal", MessageIcon::Exclamation, false, QMessageBox::Ok, QMessageBox::Warning,
            true);
        row("error", MessageIcon::Critical, false, QMessageBox::Ok, QMessageBox::Critical, true);
        row("notice", MessageIcon::Information, false, QMessageBox::Ok, QMessageBox::Information,
            true);
        row("question, OK", MessageIcon::Question, true, QMessageBox::Ok, QMessageBox::Question,
            true);
        row("question, Cancel", MessageIcon::Question, true, QMessageBox::Cancel,
            QMessageBox::Question, false);
    }
    // With no responder installed the box is real: captioned "提示信息", with the icon of its
    // kind and Chinese standard buttons.
    void realBox() {
        QFETCH(int, icon);
        QFETCH(bool, okCancel);
        QFETCH(int, answer);
        QFETCH(int, boxIcon);
        QFETCH(bool, result);
        SeenBox seen;
        const bool got =
            showAndAnswer(MessageIcon(icon), okCancel, QMessageBox::StandardButton(answer), &seen);
        QVERIFY(seen.shown);
        QVERIFY(seen.modal);
        QCOMPARE(seen.title, QStringLiteral("提示信息"));
        QCOMPARE(seen.text, QStringLiteral("该文件不存在，请重新打开！"));
        QCOMPARE(int(seen.icon), boxIcon);
        QCOMPARE(seen.buttons, okCancel ? QMessageBox::Ok | QMessageBox::Cancel
                                        : QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY2(seen.buttonTexts.contains(QStringLiteral("确定")),
                 qPrintable(seen.buttonTexts.join('|')));
        QCOMPARE(seen.buttonTexts.contains(QStringLiteral("取消")), okCancel);
        QCOMPARE(got, result);
    }

    // A responder answers instead of the box and is told what would have been shown.
    void responderAnswersInsteadOfTheBox() {
        QStringList asked;
        comm::ui::SetMessageResponder(
            [&asked](const QString& text, MessageIcon icon, bool okCancel) {
                asked << QStringLiteral("%1/%2/%3").arg(text).arg(int(icon)).arg(okCancel);
                return false;
            });
        QTimer::singleShot(0, [] {
            if (QApplication::activeModalWidget()) QApplication::activeModalWidget()->close();
        });
        const bool got = comm::ui::ShowMessage(nullptr, QStringLiteral("是否退出程序？"),
                                               MessageIcon::Question, true);
        comm::ui::SetMessageResponder(comm::ui::MessageResponder());
        QVERIFY(!got);
        QCOMPARE(asked, QStringList{
                            QStringLiteral("是否退出程序？/%1/1").arg(int(MessageIcon::Question))});
    }

    // Refused keys beep through the handler a test installs, and the real beep once it is gone.
    void beepHandler() {
        int beeps = 0;
        comm::ui::SetBeepHandler([&beeps] { ++beeps; });
        comm::ui::Beep();
        comm::ui::Beep();
        comm::ui::SetBeepHandler({});
        comm::ui::Beep();
        QCOMPARE(beeps, 2);
    }
};

QTEST_MAIN(TestMessages)
#include "test_messages.moc"
