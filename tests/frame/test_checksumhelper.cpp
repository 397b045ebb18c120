#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "documentwindow.h"
#include "framepanel.h"
#include "mainwindow.h"
#include "messagerecorder.h"
#include "widgetdriver.h"

using namespace comm;

namespace {

// Chooses a checksum from the panel's 计算校验 menu.
void choose(FramePanel* panel, const char* name) {
    panel->checksumButton()->menu()->findChild<QAction*>(QLatin1String(name))->trigger();
}

// Empties a byte box as the keyboard does.
void erase(QLineEdit* box) {
    box->end(false);
    while (!box->text().isEmpty()) QTest::keyClick(box, Qt::Key_Backspace);
}

QStringList fieldBoxes(FramePanel* panel) {
    QStringList texts;
    for (int k = 0; k < panel->fieldCount(); ++k) texts << panel->fieldHexBox(k)->text();
    return texts;
}

}  // namespace

// The checksum helper of the frame panels: a communication made with it comes back the same
// through Save and Open, and a result longer than the field is refused.
class TestChecksumHelper : public QObject {
    Q_OBJECT
    MessageRecorder boxes_;

private slots:
    void madeWithTheHelperComesBackThroughSaveAndOpen() {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("modbus.Txl"));
        CommDefinition def;
        MainWindow window(def, folder.path());
        window.setFileChooser([&](QWidget*, FileDialogMode, const QString&) { return file; });
        def.CommKind = 3;
        def.PortSettingIndex = {6, 4, 2, 0};
        def.FrameFieldCount = {0, 6, 3, 0, 0, 2, 1, 0};
        DocumentWindow* document = window.newDocumentWindow();
        FramePanel* send = document->framePanel(FrameSide::Send);
        FramePanel* recv = document->framePanel(FrameSide::Recv);
        const QStringList request = {"01", "03", "00", "00", "00", "01"};
        for (int r = 0; r < 6; ++r) TypeText(send->dataHexBox(r), request[r]);
        TypeText(recv->dataHexBox(0), QStringLiteral("31"));
        TypeText(recv->dataHexBox(1), QStringLiteral("32"));
        choose(send, "crc16-modbus");
        choose(recv, "crc32");  // four bytes into one: refused, nothing written
        QCOMPARE(boxes_.texts(),
                 QStringList{QStringLiteral(
                     "CRC-32(低字节在前)的结果有4个字节，比校验位(1位)长，未写入任何字节！")});
        QCOMPARE(boxes_.shown[0].icon, ui::MessageIcon::Exclamation);
        QCOMPARE(def.RecvCheckBytes[0], kNotEntered);
        QCOMPARE(recv->selector()->currentIndex(), 0);
        choose(recv, "sum8");
        // Each panel shows its checksum field; the longer field's last byte stays not entered.
        QCOMPARE(send->selector()->currentText(), QStringLiteral("校验符"));
        QCOMPARE(fieldBoxes(send), (QStringList{"84", "0A", ""}));
        QCOMPARE(fieldBoxes(recv), QStringList{"63"});

        window.action("SaveComm")->trigger();
        window.action("CloseComm")->trigger();
        QTRY_VERIFY(!window.documentWindow());
        def = CommDefinition();
        window.action("OpenComm")->trigger();
        QVERIFY(window.documentWindow());
        QCOMPARE(boxes_.shown.size(), 1);
        send = window.documentWindow()->framePanel(FrameSide::Send);
        recv = window.documentWindow()->framePanel(FrameSide::Recv);
        send->selector()->setCurrentIndex(1);
        recv->selector()->setCurrentIndex(1);
        QCOMPARE(fieldBoxes(send), (QStringList{"84", "0A", ""}));
        QCOMPARE(fieldBoxes(recv), QStringList{"63"});
        // The names came back too, and the send frame's check bytes follow its data.
        QCOMPARE(send->checkNameLabel()->text(), QStringLiteral("校验: CRC-16/MODBUS(低字节在前)"));
        QCOMPARE(recv->checkNameLabel()->text(), QStringLiteral("校验: 累加和"));
        erase(send->dataHexBox(5));
        QCOMPARE(fieldBoxes(send), (QStringList{"", "", ""}));
        TypeText(send->dataHexBox(5), QStringLiteral("02"));
        QCOMPARE(fieldBoxes(send), (QStringList{"C4", "0B", ""}));
        erase(send->dataHexBox(5));
        TypeText(send->dataHexBox(5), QStringLiteral("01"));
        QCOMPARE(fieldBoxes(send), (QStringList{"84", "0A", ""}));
        // Naming none leaves the bytes as they are and stops them following.
        choose(send, "none");
        QVERIFY(send->checkNameLabel()->text().isEmpty());
        QVERIFY(!window.documentWindow()->definition().checkName(FrameSide::Send));
        erase(send->dataHexBox(5));
        TypeText(send->dataHexBox(5), QStringLiteral("02"));
        QCOMPARE(fieldBoxes(send), (QStringList{"84", "0A", ""}));
    }
};

QTEST_MAIN(TestChecksumHelper)
#include "test_checksumhelper.moc"
