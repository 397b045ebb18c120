#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "documentwindow.h"
#include "keptprinter.h"
#include "mainwindow.h"
#include "messagerecorder.h"
#include "pdftext.h"
#include "printer.h"

using comm::CommDefinition;
using comm::MainWindow;
using comm::print::KeptPrinter;

namespace {
void prepareNew(CommDefinition* def) {
    def->CommKind = 1;
    def->FrameFieldCount = {2, 6, 1, 1, 0, 0, 0, 0};
    def->CommSettings = QStringLiteral("9600,O,8,1");
    def->CommSettingsText = QStringLiteral("9600,奇,8,1");
}
}  // namespace

class TestPrintCommands : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    MessageRecorder boxes_;
    CommDefinition def_;
    std::unique_ptr<MainWindow> main_;

    // Answers the printer dialog: types an output file (when given) and chooses or cancels.
    void answerPrinterDialog(const QString& fileName, bool choose, QString* opened,
                             Qt::CursorShape* pointer) {
        auto* probe = new QTimer(main_.get());
        probe->setSingleShot(true);
        connect(probe, &QTimer::timeout, [=] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            *opened = dialog->objectName();
            *pointer = main_->cursor().shape();
            if (auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("filename")))
                edit->setText(fileName);
            if (choose)
                dialog->accept();
            else
                dialog->reject();
        });
        probe->start(0);
    }

private slots:
    void init() {
        boxes_.clear();
        def_ = CommDefinition();
        prepareNew(&def_);
        main_ = std::make_unique<MainWindow>(def_, folder_.path());
        main_->show();
        QVERIFY(main_->newDocumentWindow());
        QVERIFY(main_->action(QStringLiteral("PrintComm"))->isEnabled());
    }
    void cleanup() { main_.reset(); }

    void printWritesTheSummary_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("menu") << "PrintComm";
        QTest::newRow("toolbar") << "t4";
    }
    void printWritesTheSummary() {
        QFETCH(QString, command);
        const QString path = folder_.filePath(command + QStringLiteral(".pdf"));
        QPrinter& printer = KeptPrinter(main_.get());
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);

        main_->action(command)->trigger();

        // A file the next print overwrites is named to the user.
        QCOMPARE(boxes_.texts(),
                 QStringList{comm::print::PrintedToFileMessage() + QDir::toNativeSeparators(path)});
        QCOMPARE(boxes_.shown[0].icon, comm::ui::MessageIcon::Information);
        QString error;
        const QStringList lines = PdfTextLines(path, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(lines.value(0), main_->documentWindow()->caption());
        QCOMPARE(lines.value(1), QStringLiteral("1.发送数据后不向微机回送数据"));
        QVERIFY(lines.contains(QStringLiteral("数据位： 6位")));
        QVERIFY(main_->cursor().shape() != Qt::WaitCursor);
    }

    // A print that cannot happen is reported and the program carries on.
    void failedPrintIsReported_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("message");
        QTest::newRow("no printer") << QString() << comm::print::NoPrinterMessage();
        QTest::newRow("printer fails") << QStringLiteral("/nonexistent-folder/x/out.pdf")
                                       << comm::print::PrinterStartMessage();
    }
    void failedPrintIsReported() {
        QFETCH(QString, fileName);
        QFETCH(QString, message);
        QPrinter& printer = KeptPrinter(main_.get());
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(fileName);

        main_->action(QStringLiteral("PrintComm"))->trigger();

        QCOMPARE(boxes_.shown.size(), 1);
        QCOMPARE(boxes_.shown[0].text, message);
        QCOMPARE(boxes_.shown[0].icon, comm::ui::MessageIcon::Critical);
        QVERIFY(main_->documentWindow());
        QVERIFY(main_->isVisible());
        QVERIFY(main_->cursor().shape() != Qt::WaitCursor);
    }

    // The printer chosen in the setup is the one the next print goes to; cancelling keeps the
    // previous one.
    void setupChoiceHoldsForTheNextPrint_data() {
        QTest::addColumn<bool>("choose");
        QTest::newRow("chosen") << true;
        QTest::newRow("cancelled") << false;
    }
    void setupChoiceHoldsForTheNextPrint() {
        QFETCH(bool, choose);
        const QString first = folder_.filePath(QStringLiteral("first.pdf"));
        const QString chosen = folder_.filePath(QStringLiteral("chosen.pdf"));
        QFile::remove(first);
        QFile::remove(chosen);
        QPrinter& printer = KeptPrinter(main_.get());
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(first);

        QString opened;
        Qt::CursorShape pointer = Qt::ArrowCursor;
        answerPrinterDialog(chosen, choose, &opened, &pointer);
        main_->action(QStringLiteral("PrintSetup"))->trigger();
        QCOMPARE(opened, QStringLiteral("PrintSetupDialog"));
        QCOMPARE(pointer, Qt::WaitCursor);
        QVERIFY(main_->cursor().shape() != Qt::WaitCursor);
        QVERIFY2(!QFile::exists(first) && !QFile::exists(chosen), "the setup prints nothing");

        main_->action(QStringLiteral("PrintComm"))->trigger();
        QCOMPARE(boxes_.texts(), QStringList{comm::print::PrintedToFileMessage() +
                                             QDir::toNativeSeparators(choose ? chosen : first)});
        QCOMPARE(QFile::exists(chosen), choose);
        QCOMPARE(QFile::exists(first), !choose);
    }
};

QTEST_MAIN(TestPrintCommands)
#include "test_printcommands.moc"
