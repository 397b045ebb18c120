#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "boundedlisting.h"
#include "executionwindow.h"
#include "memorydevice.h"
#include "memoryserialport.h"
#include "messagerecorder.h"
#include "refreshgate.h"
#include "rundefs.h"
#include "runtext.h"
#include "virtualclock.h"

using comm::BoundedListing;

namespace {
// A window over an in-memory port for a kind 2 run of 3-byte frames with these options.
std::unique_ptr<comm::ExecutionWindow> kind2Window(const comm::CommOptions& options,
                                                   comm::Clock& clock,
                                                   comm::MemorySerialPort** port) {
    comm::RunRequest r;
    r.definition = testdefs::make(2, {}, {1, 2, 3}, {}, {}, {0, 3, 0, 0});
    r.options = options;
    r.saved = true;
    return std::make_unique<comm::ExecutionWindow>(r, MemoryPortFactory(port), clock);
}
}  // namespace

// The listing of a busy run: frames go into the box in batches and only the latest stay.
class TestExecutionListing : public QObject {
    Q_OBJECT
private slots:
    void framesWaitForTheRefresh() {
        QPlainTextEdit box;
        BoundedListing listing(&box, 10);
        listing.add(QStringLiteral("\r\n第1幀\r\n"));
        listing.add(QStringLiteral("\r\n第2幀\r\n"));
        QVERIFY(box.toPlainText().isEmpty());
        listing.show();
        QCOMPARE(box.toPlainText(), QStringLiteral("\n第1幀\n\n第2幀\n"));
    }

    // A frame longer than the whole bound still shows, alone.
    void theLastFrameAlwaysShows() {
        QPlainTextEdit box;
        BoundedListing listing(&box, 1);
        listing.add(QStringLiteral("A\r\nA\r\n"));
        listing.show();
        listing.add(QStringLiteral("B\r\nB\r\n"));
        listing.show();
        QCOMPARE(box.toPlainText(), BoundedListing::droppedLine(1) + QStringLiteral("B\nB\n"));
    }

    // Over the bound of lines the oldest frames go, and the first line counts them; the count grows
    // with later drops and starts again at a clear.
    void keepsTheLatestFramesAndCountsTheRest_data() {
        QTest::addColumn<int>("frames");
        QTest::addColumn<int>("showEvery");
        QTest::newRow("all in one batch") << 25 << 25;
        QTest::newRow("batch by batch") << 25 << 3;
        QTest::newRow("frame by frame") << 25 << 1;
        QTest::newRow("more waiting than the bound") << 40 << 40;
    }
    void keepsTheLatestFramesAndCountsTheRest() {
        QFETCH(int, frames);
        QFETCH(int, showEvery);
        QPlainTextEdit box;
        BoundedListing listing(&box, 20);  // ten frames of two lines
        QString kept;
        for (int n = 1; n <= frames; ++n) {
            listing.add(QStringLiteral("F%1\r\nx\r\n").arg(n));
            if (n > frames - 10) kept += QStringLiteral("F%1\nx\n").arg(n);
            if (n % showEvery == 0) listing.show();
        }
        listing.show();
        QCOMPARE(listing.dropped(), qint64(frames - 10));
        QCOMPARE(box.toPlainText(), BoundedListing::droppedLine(frames - 10) + kept);
        QCOMPARE(box.document()->blockCount(), 1 + 2 * 10 + 1);
        listing.clear();
        listing.add(QStringLiteral("F\r\n"));
        listing.show();
        QCOMPARE(box.toPlainText(), QStringLiteral("F\n"));
    }

    // The first change after a quiet spell shows on the next pass of the event loop; a burst is
    // applied once more at the end of the interval; applyNow() takes what waits at once.
    void gateAppliesPromptlyThenOncePerInterval() {
        int applied = 0;
        comm::VirtualClock clock;
        comm::RefreshGate gate(
            clock, [&] { ++applied; }, nullptr, 50);
        gate.request();
        gate.request();
        QCOMPARE(applied, 0);
        QCoreApplication::processEvents();
        QCOMPARE(applied, 1);
        for (int i = 0; i < 100; ++i) gate.request();
        QCOMPARE(applied, 1);
        clock.advance(49);
        QCOMPARE(applied, 1);
        clock.advance(1);
        QCOMPARE(applied, 2);
        clock.advance(200);
        QCOMPARE(applied, 2);
        gate.request();
        gate.applyNow();
        QCOMPARE(applied, 3);
        QCoreApplication::processEvents();
        QCOMPARE(applied, 3);
    }

    // The window puts a burst of frames into its receive listing in a few edits, not one each,
    // and shows every frame and the count by the end of the run.
    void windowListsABurstInBatches() {
        MessageRecorder boxes;
        comm::MemorySerialPort* port = nullptr;
        comm::CommOptions options;
        options.loopForever = false;
        options.loopText = QStringLiteral("300");
        comm::VirtualClock clock;
        const auto owned = kind2Window(options, clock, &port);
        comm::ExecutionWindow& window = *owned;
        auto* listing = window.findChild<QPlainTextEdit*>(QStringLiteral("Text3"));
        int edits = 0;
        connect(listing->document(), &QTextDocument::contentsChanged, this, [&] { ++edits; });
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        port->inject(QByteArray(300 * 3, 'z'));
        QTRY_COMPARE(window.engine()->receivedCount(), 300);
        QTRY_COMPARE(window.findChild<QLabel*>(QStringLiteral("Label3"))->text(),
                     QStringLiteral("300幀"));
        QCOMPARE(listing->toPlainText().count(QStringLiteral("幀")), 300);
        QVERIFY2(edits < 30, qPrintable(QString::number(edits)));
    }

    // The time-out question belongs to the run: when the device goes while it is open, it
    // closes and the loss is reported alone.
    void questionClosesWhenTheRunEndsAnotherWay() {
        comm::MemorySerialPort* port = nullptr;
        comm::CommOptions options;
        options.noWait = false;
        options.waitText = QStringLiteral("50");
        comm::VirtualClock clock;
        const auto owned = kind2Window(options, clock, &port);
        comm::ExecutionWindow& window = *owned;
        window.show();
        // Real boxes, watched from a timer that runs inside their loops.
        QStringList seen;
        bool lost = false;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            for (QMessageBox* box : window.findChildren<QMessageBox*>()) {
                if (!box->isVisible()) continue;
                if (seen.isEmpty() || seen.constLast() != box->text()) seen << box->text();
                if (box->text() == comm::TimeoutQuestion() && !lost) {
                    lost = true;
                    port->vanish(QStringLiteral("unplugged"));
                } else if (box->text() != comm::TimeoutQuestion()) {
                    box->accept();
                }
            }
        });
        watch.start(10);
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        clock.advance(50);  // the limit passes: the question comes
        QTRY_COMPARE_WITH_TIMEOUT(seen.size(), 2, 10000);
        QCOMPARE(seen[0], comm::TimeoutQuestion());
        QVERIFY2(seen[1].contains(QStringLiteral("unplugged")), qPrintable(seen[1]));
        QTRY_VERIFY(window.findChildren<QMessageBox*>().isEmpty());
        QVERIFY(!window.engine()->isRunning());
    }
};

QTEST_MAIN(TestExecutionListing)
#include "test_executionlisting.moc"
