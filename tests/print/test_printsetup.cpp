#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "keptprinter.h"
#include "printsetup.h"

using namespace comm::print;

class TestPrintSetup : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    // The user picks another output and grey printing, then chooses or cancels.
    void choiceIsKeptOnlyWhenChosen_data() {
        QTest::addColumn<bool>("choose");
        QTest::newRow("chosen") << true;
        QTest::newRow("cancelled") << false;
    }
    void choiceIsKeptOnlyWhenChosen() {
        QFETCH(bool, choose);
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString before = dir_.filePath(QStringLiteral("before.pdf"));
        const QString after = dir_.filePath(QStringLiteral("after.pdf"));
        printer.setOutputFileName(before);
        printer.setColorMode(QPrinter::Color);

        QString failure = QStringLiteral("no dialog appeared");
        QString title;
        QStringList buttons;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            title = dialog->windowTitle();
            for (const QPushButton* button : dialog->findChildren<QPushButton*>())
                if (button->isVisible()) buttons << button->text();
            auto* fileName = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
            auto* grey = dialog->findChild<QRadioButton*>(QStringLiteral("grayscale"));
            if (!fileName || !grey) {
                failure = QStringLiteral("printer dialog controls not found");
                dialog->reject();
                return;
            }
            fileName->setText(after);
            grey->setChecked(true);
            failure.clear();
            if (choose)
                dialog->accept();
            else
                dialog->reject();
        });
        // Ends a dialog that the first timer could not answer, so the test cannot hang.
        QTimer::singleShot(10000, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                dialog->reject();
        });

        const bool chosen = RunPrinterSetup(nullptr, printer);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QCOMPARE(title, QStringLiteral("打印设置"));
        // A setup that prints nothing does not offer to print.
        QVERIFY2(buttons.contains(SetupAcceptText()), qPrintable(buttons.join(u'|')));
        QVERIFY2(buttons.contains(SetupPageText()), qPrintable(buttons.join(u'|')));
        for (const QString& text : buttons) QVERIFY2(!text.contains(u"打印"), qPrintable(text));
        QCOMPARE(chosen, choose);
        QCOMPARE(printer.outputFileName(), choose ? after : before);
        QCOMPARE(printer.colorMode(), choose ? QPrinter::GrayScale : QPrinter::Color);
    }

    // A choice made once holds for every later print from the same window, and only there.
    void keptPrinterBelongsToItsOwner() {
        auto owner = std::make_unique<QObject>();
        QObject other;
        QPrinter& first = KeptPrinter(owner.get());
        first.setOutputFileName(dir_.filePath(QStringLiteral("kept.pdf")));
        QCOMPARE(&KeptPrinter(owner.get()), &first);
        QCOMPARE(KeptPrinter(owner.get()).outputFileName(),
                 dir_.filePath(QStringLiteral("kept.pdf")));
        QVERIFY(&KeptPrinter(&other) != &first);
        QVERIFY(KeptPrinter(&other).outputFileName().isEmpty());

        // An unrelated child of the same name is not mistaken for the kept printer.
        QObject third;
        QObject impostor(&third);
        impostor.setObjectName(QStringLiteral("KeptPrinter"));
        QPrinter& thirds = KeptPrinter(&third);
        QCOMPARE(&KeptPrinter(&third), &thirds);
        QCOMPARE(third.children().size(), 2);

        QPointer<QObject> holder;
        for (QObject* child : owner->children()) holder = child;
        QVERIFY(holder);
        owner.reset();
        QVERIFY(!holder);
    }
};

QTEST_MAIN(TestPrintSetup)
#include "test_printsetup.moc"
