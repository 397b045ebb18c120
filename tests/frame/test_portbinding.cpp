// The binding dialog, the tool tips and the status bar panel that name each port item's device,
// driven offscreen on a scripted device list with the bindings in a file of the test's own.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "devicediscovery.h"
#include "mainwindow.h"
#include "portbindingdialog.h"
#include "portdirectory.h"
#include "statuspanels.h"

using namespace comm;

namespace {
SerialDevice Adapter(const QString& node, const QString& serial) {
    return SerialDevice{QStringLiteral("/dev/") + node,
                        QStringLiteral("usb-FTDI_FT232R_%1-if00-port0").arg(serial),
                        QStringLiteral("FT232R USB UART"),
                        QStringLiteral("FTDI"),
                        QStringLiteral("0403"),
                        QStringLiteral("6001"),
                        serial};
}
}  // namespace

class TestPortBinding : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    ScriptedDeviceDiscovery discovery_;
    std::unique_ptr<PortDirectory> directory_;

private slots:
    void init() {
        for (int port = 1; port <= 4; ++port)
            qunsetenv(qPrintable(QStringLiteral("RS232_COM%1").arg(port)));
        QFile::remove(dir_.filePath(QStringLiteral("b.ini")));
        discovery_.setDevices({});
        QCoreApplication::sendPostedEvents();
        directory_ =
            std::make_unique<PortDirectory>(&discovery_, dir_.filePath(QStringLiteral("b.ini")));
        PortDirectory::install(directory_.get());
    }
    void cleanup() {
        PortDirectory::install(nullptr);
        directory_.reset();
    }

    void statusPanelAndTipsFollowArrivals() {
        CommDefinition def;
        MainWindow window(def, dir_.path());
        QLabel* panel = window.statusPanels()->devicePanel();
        QCOMPARE(panel->objectName(), QStringLiteral("PortDevicePanel"));
        QCOMPARE(panel->text(), QStringLiteral("无设备"));
        discovery_.add(Adapter("ttyUSB0", "AB12"));
        QTRY_COMPARE(panel->text(), QStringLiteral("ttyUSB0 FT232R USB UART"));
        QVERIFY(window.action(QStringLiteral("ck1"))
                    ->toolTip()
                    .contains(QStringLiteral("/dev/ttyUSB0")));
        QVERIFY(window.action(QStringLiteral("t6"))
                    ->toolTip()
                    .startsWith(QStringLiteral("串口一有效\n")));
        QVERIFY(
            window.action(QStringLiteral("t6"))->toolTip().contains(QStringLiteral("0403:6001")));
        QVERIFY(window.action(QStringLiteral("ck2"))->toolTip().endsWith(QStringLiteral("无设备")));
        window.choosePort(2);
        QCOMPARE(panel->text(), QStringLiteral("无设备"));
        discovery_.add(Adapter("ttyUSB1", "CD34"));
        QTRY_COMPARE(panel->text(), QStringLiteral("ttyUSB1 FT232R USB UART"));
    }

    void dialogBindsByStableIdentity() {
        discovery_.setDevices({Adapter("ttyUSB0", "AB12"), Adapter("ttyUSB1", "CD34")});
        QCoreApplication::sendPostedEvents();
        PortBindingDialog dialog(*directory_);
        QComboBox* first = dialog.chooser(1);
        QCOMPARE(first->currentText(), QStringLiteral("自动"));
        QCOMPARE(first->count(), 3);
        QCOMPARE(first->itemText(1), QStringLiteral("ttyUSB0 — FT232R USB UART 0403:6001 #AB12"));
        first->setCurrentIndex(2);
        dialog.chooser(2)->setCurrentText(QStringLiteral("/dev/pts/4"));
        dialog.accept();
        QCOMPARE(directory_->binding(1), QStringLiteral("usb-FTDI_FT232R_CD34-if00-port0"));
        QCOMPARE(directory_->binding(2), QStringLiteral("/dev/pts/4"));
        QCOMPARE(directory_->choice(3).device, QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(directory_->choice(3).source, PortSource::Automatic);
        // The adapter in another socket keeps its item.
        discovery_.setDevices({Adapter("ttyUSB5", "CD34")});
        QCoreApplication::sendPostedEvents();
        QCOMPARE(directory_->choice(1).device, QStringLiteral("/dev/ttyUSB5"));
        // Back to automatic.
        PortBindingDialog again(*directory_);
        QCOMPARE(again.chosen(1), QStringLiteral("usb-FTDI_FT232R_CD34-if00-port0"));
        again.chooser(1)->setCurrentIndex(0);
        again.accept();
        QCOMPARE(directory_->binding(1), QString());
        QCOMPARE(directory_->choice(1).source, PortSource::Automatic);
    }

    void dialogListFollowsArrivalsAndKeepsTheChoice() {
        discovery_.setDevices({Adapter("ttyUSB0", "AB12")});
        QCoreApplication::sendPostedEvents();
        PortBindingDialog dialog(*directory_);
        dialog.chooser(4)->setCurrentIndex(1);
        QLabel* now = dialog.findChild<QLabel*>(QStringLiteral("current2"));
        QCOMPARE(now->text(), QStringLiteral("现在：无设备"));
        discovery_.add(Adapter("ttyUSB1", "CD34"));
        QTRY_COMPARE(dialog.chooser(1)->count(), 3);
        QCOMPARE(dialog.chosen(4), QStringLiteral("usb-FTDI_FT232R_AB12-if00-port0"));
        QVERIFY(now->text().contains(QStringLiteral("/dev/ttyUSB1")));
        dialog.reject();
        QCOMPARE(directory_->binding(4), QString());  // nothing kept without OK
    }

    void itemFixedByItsVariable() {
        qputenv("RS232_COM3", "/tmp/line-c");
        PortBindingDialog dialog(*directory_);
        QVERIFY(!dialog.chooser(3)->isEnabled());
        QVERIFY(dialog.chooser(2)->isEnabled());
        QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("current3"))
                    ->text()
                    .contains(QStringLiteral("RS232_COM3")));
        qunsetenv("RS232_COM3");
    }

    void menuItemOpensTheDialog() {
        CommDefinition def;
        MainWindow window(def, dir_.path());
        QAction* item = window.action(QStringLiteral("bindPorts"));
        QVERIFY(item);
        bool shown = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<PortBindingDialog*>(QApplication::activeModalWidget());
            shown = dialog != nullptr;
            if (dialog) dialog->reject();
        });
        item->trigger();
        QVERIFY(shown);
    }
};

QTEST_MAIN(TestPortBinding)
#include "test_portbinding.moc"
