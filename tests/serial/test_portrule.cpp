// The rule for what 串口一..四 stand for, on scripted device lists, and the directory that applies
// it with the bindings kept in a settings file of the test's own.
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "devicediscovery.h"
#include "portdirectory.h"
#include "portmap.h"

using namespace comm;

namespace {
SerialDevice Uart(int n) {
    return SerialDevice{QStringLiteral("/dev/ttyS%1").arg(n), {}, {}, {}, {}, {}, {}};
}
SerialDevice Adapter(const QString& node, const QString& serial) {
    return SerialDevice{QStringLiteral("/dev/") + node,
                        QStringLiteral("usb-1a86_USB2.0-Serial_%1-if00-port0").arg(serial),
                        QStringLiteral("USB2.0-Serial"),
                        QStringLiteral("1a86"),
                        QStringLiteral("1a86"),
                        QStringLiteral("7523"),
                        serial};
}
// What the four items stand for, as "device/source" each.
QStringList Outcome(const std::array<PortChoice, 4>& choices) {
    QStringList out;
    for (const PortChoice& c : choices)
        out << c.device + QLatin1Char('/') + PortSourceKey(c.source);
    return out;
}
}  // namespace

Q_DECLARE_METATYPE(QList<comm::SerialDevice>)

class TestPortRule : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

    QString settingsFile() const { return dir_.filePath(QStringLiteral("bindings.ini")); }

private slots:
    void init() {
        for (int port = 1; port <= 4; ++port)
            qunsetenv(qPrintable(QStringLiteral("RS232_COM%1").arg(port)));
        QFile::remove(settingsFile());
    }

    void rule_data() {
        QTest::addColumn<QList<SerialDevice>>("devices");
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<QStringList>("bindings");
        QTest::addColumn<QStringList>("expected");
        const SerialDevice a = Adapter("ttyUSB0", "A1"), b = Adapter("ttyUSB1", "B2");
        const QStringList none{"", "", "", ""};
        QTest::newRow("nothing detected") << QList<SerialDevice>{} << none << none
                                          << QStringList{"/none", "/none", "/none", "/none"};
        QTest::newRow("laptop with one adapter")
            << QList<SerialDevice>{a} << none << none
            << QStringList{"/dev/ttyUSB0/automatic", "/none", "/none", "/none"};
        QTest::newRow("board UARTs first, more than four")
            << QList<SerialDevice>{Uart(0), Uart(1), Uart(2), Uart(3), a} << none << none
            << QStringList{"/dev/ttyS0/automatic", "/dev/ttyS1/automatic", "/dev/ttyS2/automatic",
                           "/dev/ttyS3/automatic"};
        QTest::newRow("variable over binding over automatic")
            << QList<SerialDevice>{Uart(0), a, b} << QStringList{"/tmp/line", "", "", ""}
            << QStringList{"usb-1a86_USB2.0-Serial_B2-if00-port0",
                           "usb-1a86_USB2.0-Serial_A1-if00-port0", "", ""}
            << QStringList{"/tmp/line/variable", "/dev/ttyUSB0/binding", "/dev/ttyS0/automatic",
                           "/dev/ttyUSB1/automatic"};
        QTest::newRow("bound device follows its identity to another node")
            << QList<SerialDevice>{Uart(0), Adapter("ttyUSB7", "A1")} << none
            << QStringList{"", "", "usb-1a86_USB2.0-Serial_A1-if00-port0", ""}
            << QStringList{"/dev/ttyS0/automatic", "/none", "/dev/ttyUSB7/binding", "/none"};
        QTest::newRow("bound device absent stands for nothing")
            << QList<SerialDevice>{b} << none
            << QStringList{"usb-1a86_USB2.0-Serial_A1-if00-port0", "", "", ""}
            << QStringList{"/binding", "/dev/ttyUSB1/automatic", "/none", "/none"};
        QTest::newRow("typed path is opened as it is")
            << QList<SerialDevice>{a} << none << QStringList{"", "/dev/pts/9", "", ""}
            << QStringList{"/dev/ttyUSB0/automatic", "/dev/pts/9/binding", "/none", "/none"};
        QTest::newRow("variable naming a detected device takes it")
            << QList<SerialDevice>{Uart(0), a} << QStringList{"", "", "", "/dev/ttyS0"} << none
            << QStringList{"/dev/ttyUSB0/automatic", "/none", "/none", "/dev/ttyS0/variable"};
    }
    void rule() {
        QFETCH(QList<SerialDevice>, devices);
        QFETCH(QStringList, variables);
        QFETCH(QStringList, bindings);
        QFETCH(QStringList, expected);
        SortDevices(&devices);
        PortTexts v, b;
        for (int i = 0; i < 4; ++i) {
            v[size_t(i)] = variables[i];
            b[size_t(i)] = bindings[i];
        }
        QCOMPARE(Outcome(ChoosePorts(devices, v, b)), expected);
    }

    void stableOrderWhateverTheDiscoveryOrder() {
        QList<SerialDevice> devices{Adapter("ttyUSB0", "Z9"), Uart(10), Adapter("ttyACM0", "A0"),
                                    Uart(2)};
        SortDevices(&devices);
        QStringList paths;
        for (const SerialDevice& d : devices) paths << d.path;
        QCOMPARE(paths, (QStringList{"/dev/ttyS2", "/dev/ttyS10", "/dev/ttyACM0", "/dev/ttyUSB0"}));
    }

    void deviceThatLeavesAndReturnsGetsItsItemBack() {
        ScriptedDeviceDiscovery discovery;
        PortDirectory directory(&discovery, settingsFile());
        QSignalSpy changed(&directory, &PortDirectory::changed);
        discovery.setDevices({Uart(0), Adapter("ttyUSB0", "A1")});
        QTRY_COMPARE(changed.count(), 1);
        QCOMPARE(directory.choice(2).device, QStringLiteral("/dev/ttyUSB0"));
        discovery.remove(QStringLiteral("/dev/ttyUSB0"));
        QTRY_COMPARE(changed.count(), 2);
        QCOMPARE(directory.choice(2).source, PortSource::None);
        PortDirectory::install(&directory);
        QCOMPARE(PortDevice(2), QString());
        discovery.add(Adapter("ttyUSB3", "A1"));
        QTRY_COMPARE(changed.count(), 3);
        QCOMPARE(PortDevice(2), QStringLiteral("/dev/ttyUSB3"));
        PortDirectory::install(nullptr);
    }

    void bindingsAreKeptInTheSettingsFile() {
        ScriptedDeviceDiscovery discovery;
        discovery.setDevices({Adapter("ttyUSB0", "A1")});
        {
            PortDirectory directory(&discovery, settingsFile());
            QSignalSpy changed(&directory, &PortDirectory::changed);
            directory.setBinding(3, QStringLiteral("usb-1a86_USB2.0-Serial_A1-if00-port0"));
            QCOMPARE(changed.count(), 1);
            QCOMPARE(directory.choice(3).source, PortSource::Binding);
            QCOMPARE(directory.choice(1).source, PortSource::None);  // the adapter is taken
        }
        PortDirectory again(&discovery, settingsFile());
        QCOMPARE(again.binding(3), QStringLiteral("usb-1a86_USB2.0-Serial_A1-if00-port0"));
        QCOMPARE(again.choice(3).device, QStringLiteral("/dev/ttyUSB0"));
        again.setBinding(3, QString());
        QCOMPARE(PortDirectory(&discovery, settingsFile()).binding(3), QString());
        QCOMPARE(again.choice(1).device, QStringLiteral("/dev/ttyUSB0"));
    }

    void stableIdentityResolvesToItsNode() {
        ScriptedDeviceDiscovery discovery;
        discovery.setDevices({Adapter("ttyUSB4", "A1")});
        PortDirectory directory(&discovery, settingsFile());
        QCOMPARE(directory.resolve(QStringLiteral("usb-1a86_USB2.0-Serial_A1-if00-port0")),
                 QStringLiteral("/dev/ttyUSB4"));
        QCOMPARE(directory.resolve(
                     QStringLiteral("/dev/serial/by-id/usb-1a86_USB2.0-Serial_A1-if00-port0")),
                 QStringLiteral("/dev/ttyUSB4"));
        QCOMPARE(directory.resolve(QStringLiteral("/tmp/x")), QStringLiteral("/tmp/x"));
    }

    void problemTexts_data() {
        QTest::addColumn<int>("problem");
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QStringList>("parts");
        using P = SerialPort::Problem;
        QTest::newRow("missing") << int(P::Missing) << "/dev/ttyUSB0"
                                 << "/dev/ttyUSB0: No such file or directory"
                                 << QStringList{"设备：/dev/ttyUSB0", "设备不存在",
                                                "（No such file or directory）"};
        QTest::newRow("taken") << int(P::Taken) << "/dev/ttyS0"
                               << "/dev/ttyS0: Permission error"
                               << QStringList{"设备：/dev/ttyS0", "其他程序"};
        QTest::newRow("permission")
            << int(P::PermissionDenied) << "/dev/ttyS1"
            << "/dev/ttyS1: Permission denied" << QStringList{"没有使用该设备的权限", "dialout"};
        QTest::newRow("no device") << int(P::NoDevice) << "" << NoDeviceText(3)
                                   << QStringList{"串口三没有对应的设备", "串口对应设备"};
        QTest::newRow("lost while open")
            << int(P::Other) << "/dev/ttyUSB0"
            << "/dev/ttyUSB0: Resource error" << QStringList{"原因：Resource error"};
    }
    void problemTexts() {
        QFETCH(int, problem);
        QFETCH(QString, device);
        QFETCH(QString, reason);
        QFETCH(QStringList, parts);
        const QString text = PortProblemText(SerialPort::Failure{
            SerialPort::kOpenFailure, reason, device, SerialPort::Problem(problem)});
        for (const QString& part : parts) QVERIFY2(text.contains(part), qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(TestPortRule)
#include "test_portrule.moc"
