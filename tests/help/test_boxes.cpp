#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "aboutbox.h"
#include "supportbox.h"
#include "widgetdriver.h"

using namespace comm::help;

class TestBoxes : public QObject {
    Q_OBJECT

    static std::unique_ptr<QDialog> makeBox(const QString& name) {
        if (name == QLatin1String("Form5")) return std::make_unique<AboutBox>();
        return std::make_unique<SupportBox>();
    }

private slots:
    void raisedTexts_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("about") << "Form5"
                               << "关于程序"
                               << QStringList{"通用RS232串口通讯调试程序", "硬件工具", "欢迎使用"};
        QTest::newRow("support")
            << "Form6"
            << "技术支持"
            << QStringList{"SOS",
                           "自己注意(2400,o,7,2)和(2400,e,8,1)同样可以协调通讯但接收到数据的区别"
                           "是数据的二进制最高位相反一个是1一个是0"};
    }
    // Each text is drawn by a front label with a white copy 1 pixel right and below it.
    void raisedTexts() {
        QFETCH(QString, box);
        QFETCH(QString, title);
        QFETCH(QStringList, texts);
        const std::unique_ptr<QDialog> dialog = makeBox(box);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        QCOMPARE(dialog->objectName(), box);
        QCOMPARE(dialog->windowTitle(), title);

        int previousTop = -1;
        for (int i = 0; i < texts.size(); ++i) {
            auto* front = dialog->findChild<QLabel*>(QStringLiteral("Label1_%1").arg(i));
            auto* shadow = dialog->findChild<QLabel*>(QStringLiteral("Label2_%1").arg(i));
            QVERIFY(front && shadow);
            QCOMPARE(front->text(), texts[i]);
            QCOMPARE(shadow->text(), texts[i]);
            QVERIFY2(front->y() > previousTop, "texts are shown top to bottom in order");
            previousTop = front->y();
            QCOMPARE(shadow->geometry(), front->geometry().translated(1, 1));
            QCOMPARE(TextColour(front), QColor(Qt::black));
            QCOMPARE(TextColour(shadow), QColor(Qt::white));
            QVERIFY(dialog->children().indexOf(front) > dialog->children().indexOf(shadow));
            QVERIFY(front->isVisible());
            // Nothing of the text is cut off, by the label or by the box.
            const int needed = front->wordWrap() ? front->heightForWidth(front->width())
                                                 : front->sizeHint().height();
            QVERIFY(front->height() >= needed);
            if (!front->wordWrap()) QVERIFY(front->width() >= front->sizeHint().width());
            QVERIFY(dialog->rect().contains(shadow->geometry()));
        }
    }

    void aboutShowsThePicture() {
        AboutBox about;
        auto* picture = about.findChild<QLabel*>(QStringLiteral("Image1"));
        QVERIFY(picture);
        QVERIFY(!picture->pixmap().isNull());
        QVERIFY(picture->pixmap().width() >= 32);
    }

    void buttonCloses_data() {
        QTest::addColumn<QString>("box");
        QTest::newRow("about") << "Form5";
        QTest::newRow("support") << "Form6";
    }
    void buttonCloses() {
        QFETCH(QString, box);
        const std::unique_ptr<QDialog> dialog = makeBox(box);
        auto* button = dialog->findChild<QPushButton*>(QStringLiteral("Command1"));
        QVERIFY(button);
        QCOMPARE(button->text(), QStringLiteral("确定[&Y]"));

        bool closedByButton = false;
        QTimer::singleShot(0, dialog.get(), [&] {
            if (!dialog->isVisible()) return;
            QTest::mouseClick(button, Qt::LeftButton);
            closedByButton = !dialog->isVisible();
        });
        // A second timer ends a box the button failed to close, so the test cannot hang.
        QTimer::singleShot(5000, dialog.get(), [&] { dialog->reject(); });
        QCOMPARE(dialog->exec(), int(QDialog::Accepted));
        QVERIFY(closedByButton);
    }
};

QTEST_MAIN(TestBoxes)
#include "test_boxes.moc"
