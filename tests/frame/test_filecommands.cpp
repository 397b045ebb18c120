#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "documentwindow.h"
#include "filebytes.h"
#include "filechooser.h"
#include "mainwindow.h"
#include "messagerecorder.h"
#include "txlfile.h"

using comm::CommDefinition;
using comm::FileDialogMode;
using comm::MainWindow;

namespace {

struct Chosen {
    FileDialogMode mode;
    QString folder;
    Qt::CursorShape pointer;
};

CommDefinition sample(int kind) {
    CommDefinition def;
    def.CommKind = qint16(kind);
    def.PortSettingIndex = {8, 3, 2, 2};
    def.FrameFieldCount = {2, 9, 1, 1, 1, 3, 0, 2};
    for (int i = 0; i < 9; ++i) def.SendDataBytes[i] = qint16(i * 17);
    def.SendStartBytes = {0xAA, 0x55};
    def.SendCheckBytes[0] = 0x03;
    def.SendEndBytes[0] = 0x0D;
    def.RecvStartBytes[0] = 0x41;
    def.RecvDataBytes = {};
    def.RecvEndBytes[0] = comm::kNotEntered;
    def.RecvEndBytes[1] = 0x0A;
    return def;
}

}  // namespace

class TestFileCommands : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> folder_;
    MessageRecorder boxes_;
    QStringList names_;
    QList<Chosen> chosen_;

    QString path(const QString& name) const { return folder_->filePath(name); }

    void chooseFiles(MainWindow& window) {
        window.setFileChooser(
            [this, &window](QWidget*, FileDialogMode mode, const QString& folder) {
                chosen_ << Chosen{mode, folder, window.cursor().shape()};
                return names_.isEmpty() ? QString() : names_.takeFirst();
            });
    }

    // A communication file of the given kind, written as the program writes it.
    QString kindFile(int kind, comm::OptionValues options = {}) {
        const QString name = path(QStringLiteral("kind%1.Txl").arg(kind));
        if (!WriteWholeFile(name, comm::EncodeCommFile(sample(kind), options, true)))
            qFatal("cannot write test file");
        return name;
    }

    comm::DocumentWindow* newCommunication(MainWindow& window, CommDefinition& def, int kind) {
        def = sample(kind);
        return window.newDocumentWindow();
    }

private slots:
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        boxes_.clear();
        chosen_.clear();
        names_.clear();
    }

    void openEachKind_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("fromToolbar");
        for (int kind = 1; kind <= 4; ++kind) {
            QTest::newRow(qPrintable(QStringLiteral("kind %1 menu").arg(kind))) << kind << false;
            QTest::newRow(qPrintable(QStringLiteral("kind %1 toolbar").arg(kind))) << kind << true;
        }
    }
    void openEachKind() {
        QFETCH(int, kind);
        QFETCH(bool, fromToolbar);
        CommDefinition def;
        def.CommKind = 3;
        MainWindow window(def, folder_->path());
        chooseFiles(window);
        const QString file = kindFile(kind);
        names_ << file;
        window.action(fromToolbar ? "t2" : "OpenComm")->trigger();
        QVERIFY(boxes_.shown.isEmpty());
        QCOMPARE(chosen_.size(), 1);
        QCOMPARE(chosen_[0].mode, FileDialogMode::Open);
        QCOMPARE(chosen_[0].folder, folder_->path());
        QCOMPARE(chosen_[0].pointer, Qt::WaitCursor);
        QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);

        comm::DocumentWindow* document = window.documentWindow();
        QVERIFY(document);
        QCOMPARE(def.CommKind, qint16(kind));
        QCOMPARE(def.CommFileName, file);
        QCOMPARE(document->caption(), QStringLiteral("通讯 ") + file);
        QCOMPARE(document->saveFlag(), QStringLiteral("1"));
        QCOMPARE(def.DocumentCounter, 1);
        QCOMPARE(def.CommSettingsText, QStringLiteral("19200,缺省,7,2"));
        QCOMPARE(document->settingsLine(), QStringLiteral("2.串口设置:19200,缺省,7,2"));
        QCOMPARE(def.SendDataBytes[8], qint16(8 * 17));
        QVERIFY(window.action("RunComm")->isEnabled());
        QVERIFY(window.action("t4")->isEnabled());
        QVERIFY(!window.action("OpenComm")->isEnabled());
        QVERIFY(!window.action("t1")->isEnabled());
    }

    void openRefused_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QString>("message");
        QByteArray kind0 = comm::EncodeCommFile(sample(1), {}, true);
        kind0[0] = 0;
        QByteArray kind5 = kind0;
        kind5[0] = 5;
        const QByteArray cut = comm::EncodeCommFile(sample(3), {}, true).left(30);
        QTest::newRow("missing") << QByteArray() << false << comm::MissingFileMessage();
        QTest::newRow("kind 0") << kind0 << true << comm::WrongFormatMessage();
        QTest::newRow("kind 5") << kind5 << true << comm::WrongFormatMessage();
        QTest::newRow("empty file") << QByteArray() << true << comm::WrongFormatMessage();
        QTest::newRow("cut short") << cut << true << comm::WrongFormatMessage();
    }
    void openRefused() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, exists);
        QFETCH(QString, message);
        CommDefinition def = sample(2);
        MainWindow window(def, folder_->path());
        chooseFiles(window);
        const QString file = path(QStringLiteral("refused.Txl"));
        if (exists) QVERIFY(WriteWholeFile(file, bytes));
        names_ << file;
        window.action("OpenComm")->trigger();
        QCOMPARE(boxes_.shown.size(), 1);
        QCOMPARE(boxes_.shown[0].text, message);
        QCOMPARE(boxes_.shown[0].icon, comm::ui::MessageIcon::Exclamation);
        QVERIFY(!boxes_.shown[0].okCancel);
        QCOMPARE(window.documentWindow(), nullptr);
        QCOMPARE(def.CommKind, qint16(0));
        QCOMPARE(def.FrameFieldCount, sample(2).FrameFieldCount);
        QCOMPARE(def.CommFileName, QString());
        QVERIFY(window.action("OpenComm")->isEnabled());
        QVERIFY(!window.action("RunComm")->isEnabled());
        QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
    }

    void openCancelled() {
        CommDefinition def;
        MainWindow window(def, folder_->path());
        chooseFiles(window);
        window.action("OpenComm")->trigger();
        QCOMPARE(chosen_.size(), 1);
        QVERIFY(boxes_.shown.isEmpty());
        QCOMPARE(window.documentWindow(), nullptr);
        QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
    }

    void saveNew_data() {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<bool>("overwrite");
        QTest::newRow("new name") << false << false;
        QTest::newRow("existing, OK") << true << true;
        QTest::newRow("existing, Cancel") << true << false;
    }
    void saveNew() {
        QFETCH(bool, exists);
        QFETCH(bool, overwrite);
        CommDefinition def;
        MainWindow window(def, folder_->path());
        chooseFiles(window);
        comm::DocumentWindow* document = newCommunication(window, def, 3);
        const QString file = path(QStringLiteral("saved.Txl"));
        const QByteArray old("old contents");
        if (exists) QVERIFY(WriteWholeFile(file, old));
        names_ << file;
        boxes_.answer = overwrite;
        window.action("t3")->trigger();

        QCOMPARE(chosen_.size(), 1);
        QCOMPARE(chosen_[0].mode, FileDialogMode::Save);
        QCOMPARE(chosen_[0].pointer, Qt::WaitCursor);
        QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(boxes_.shown.size(), exists ? 1 : 0);
        if (exists) {
            QCOMPARE(boxes_.shown[0].text, QStringLiteral("该文件已经存在是否覆盖?"));
            QCOMPARE(boxes_.shown[0].icon, comm::ui::MessageIcon::Question);
            QVERIFY(boxes_.shown[0].okCancel);
        }
        const bool written = !exists || overwrite;
        QCOMPARE(document->saveFlag(), written ? QStringLiteral("1") : QStringLiteral("0"));
        QCOMPARE(document->caption(),
                 written ? QStringLiteral("通讯 ") + file : QStringLiteral("通讯 1"));
        QCOMPARE(def.CommFileName, written ? file : QString());
        if (!written) {
            QCOMPARE(ReadWholeFile(file), old);
            return;
        }
        CommDefinition back;
        QCOMPARE(comm::DecodeCommFile(ReadWholeFile(file), &back), comm::ReadStatus::Ok);
        QCOMPARE(back.FileCommKind, qint16(3));
        QCOMPARE(back.FrameFieldCount, def.FrameFieldCount);
        // A new communication's values are all not entered yet.
        QCOMPARE(back.SendDataBytes[0], comm::kNotEntered);
        QCOMPARE(back.FileHasValues, qint16(1));
    }

    void saveOfAnOpenedFileAsksNothing() {
        CommDefinition def;
        MainWindow window(def, folder_->path());
        chooseFiles(window);
        const QString file = kindFile(3, {7, 120, 900});
        names_ << file;
        window.action("OpenComm")->trigger();
        comm::DocumentWindow* document = window.documentWindow();
        QVERIFY(document);
        comm::CommOptions options = document->options();
        QCOMPARE(options.loopText, QStringLiteral("7"));
        options.loopText = QStringLiteral("300");
        options.delayText = QStringLiteral("45");
        document->setOptions(options);
        def.SendStartBytes[1] = 0x7E;

        window.action("SaveComm")->trigger();
        QCOMPARE(chosen_.size(), 1);
        QVERIFY(boxes_.shown.isEmpty());
        QCOMPARE(document->caption(), QStringLiteral("通讯 ") + file);
        QCOMPARE(document->options().loopText, QStringLiteral("255"));
        CommDefinition back;
        QCOMPARE(comm::DecodeCommFile(ReadWholeFile(file), &back), comm::ReadStatus::Ok);
        QCOMPARE(back.FileLoopCount, quint8(255));
        QCOMPARE(back.FileDelayTime, 45);
        QCOMPARE(back.FileWaitTime, 900);
        QCOMPARE(back.SendStartBytes[1], qint16(0x7E));
    }

    void saveWithoutFrameData() {
        CommDefinition def;
        MainWindow window(def, folder_->path());
        chooseFiles(window);
        newCommunication(window, def, 1);
        window.action("SaveData")->trigger();
        const QString file = path(QStringLiteral("layout.Txl"));
        names_ << file;
        window.action("SaveComm")->trigger();
        const QByteArray bytes = ReadWholeFile(file);
        QCOMPARE(bytes.size(), comm::kTxlHeaderSize);
        QCOMPARE(bytes.at(22), char(0));
    }

    void saveAs_data() {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<bool>("overwrite");
        QTest::addColumn<QString>("prefix");
        QTest::newRow("new name gets the colon") << false << false << QStringLiteral("通讯: ");
        QTest::newRow("existing, OK: no colon") << true << true << QStringLiteral("通讯 ");
        QTest::newRow("existing, Cancel") << true << false << QString();
    }
    void saveAs() {
        QFETCH(bool, exists);
        QFETCH(bool, overwrite);
        QFETCH(QString, prefix);
        CommDefinition def;
        MainWindow window(def, folder_->path());
        chooseFiles(window);
        const QString first = kindFile(4);
        names_ << first;
        window.action("OpenComm")->trigger();
        comm::DocumentWindow* document = window.documentWindow();
        QVERIFY(document);

        const QString second = path(QStringLiteral("copy.Txl"));
        if (exists) QVERIFY(WriteWholeFile(second, "x"));
        names_ << second;
        boxes_.answer = overwrite;
        window.action("SaveAsComm")->trigger();
        QCOMPARE(chosen_.size(), 2);
        QCOMPARE(chosen_[1].mode, FileDialogMode::Save);
        QCOMPARE(chosen_[1].pointer, Qt::WaitCursor);
        QCOMPARE(boxes_.shown.size(), exists ? 1 : 0);
        if (prefix.isEmpty()) {
            QCOMPARE(ReadWholeFile(second), QByteArray("x"));
            QCOMPARE(document->caption(), QStringLiteral("通讯 ") + first);
            QCOMPARE(def.CommFileName, first);
            return;
        }
        QCOMPARE(document->caption(), prefix + second);
        QCOMPARE(def.CommFileName, second);
        QCOMPARE(document->saveFlag(), QStringLiteral("1"));
        QCOMPARE(ReadWholeFile(second), ReadWholeFile(first));
    }

    void saveAsMarksANewCommunicationSaved() {
        CommDefinition def;
        MainWindow window(def, folder_->path());
        chooseFiles(window);
        comm::DocumentWindow* document = newCommunication(window, def, 2);
        QCOMPARE(document->saveFlag(), QStringLiteral("0"));
        const QString file = path(QStringLiteral("fresh.Txl"));
        names_ << file;
        window.action("SaveAsComm")->trigger();
        QCOMPARE(document->saveFlag(), QStringLiteral("1"));
        // The next Save goes to the same file without asking.
        window.action("SaveComm")->trigger();
        QCOMPARE(chosen_.size(), 1);
        QCOMPARE(document->caption(), QStringLiteral("通讯 ") + file);
    }

    void failedWriteIsReported_data() {
        QTest::addColumn<bool>("saveAs");
        QTest::newRow("save") << false;
        QTest::newRow("save as") << true;
    }
    void failedWriteIsReported() {
        QFETCH(bool, saveAs);
        CommDefinition def;
        MainWindow window(def, folder_->path());
        chooseFiles(window);
        comm::DocumentWindow* document = newCommunication(window, def, 1);
        const QString file = path(QStringLiteral("no such folder/x.Txl"));
        names_ << file;
        window.action(saveAs ? "SaveAsComm" : "SaveComm")->trigger();
        QCOMPARE(boxes_.shown.size(), 1);
        QCOMPARE(boxes_.shown[0].icon, comm::ui::MessageIcon::Exclamation);
        QVERIFY(!boxes_.shown[0].text.isEmpty());
        QCOMPARE(document->saveFlag(), QStringLiteral("0"));
        QCOMPARE(document->caption(), QStringLiteral("通讯 1"));
        QCOMPARE(def.CommFileName, QString());
        QVERIFY(!QFileInfo::exists(file));
        QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
    }

    void commandLine_data() {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<int>("messages");
        QTest::newRow("relative name") << "kind3.Txl" << true << 0;
        QTest::newRow("in a subfolder") << "sub/kind3.Txl" << true << 0;
        QTest::newRow("full path elsewhere") << "FULL" << false << 0;
        QTest::newRow("blank") << "   " << false << 0;
        QTest::newRow("missing") << "none.Txl" << false << 0;
        QTest::newRow("padded name is taken as it is") << " kind3.Txl" << false << 0;
        QTest::newRow("wrong format") << "bad.Txl" << false << 1;
    }
    void commandLine() {
        QFETCH(QString, commandLine);
        QFETCH(bool, opens);
        QFETCH(int, messages);
        const QString file = kindFile(3);
        QDir(folder_->path()).mkdir(QStringLiteral("sub"));
        QFile::copy(file, path(QStringLiteral("sub/kind3.Txl")));
        QVERIFY(WriteWholeFile(path(QStringLiteral("bad.Txl")), QByteArray(23, '\x09')));
        QTemporaryDir elsewhere;
        const QString outside = elsewhere.filePath(QStringLiteral("kind3.Txl"));
        QFile::copy(file, outside);
        if (commandLine == QLatin1String("FULL")) commandLine = outside;

        CommDefinition def;
        MainWindow window(def, folder_->path());
        window.startFromCommandLine(commandLine);
        QCOMPARE(window.documentWindow() != nullptr, opens);
        QCOMPARE(boxes_.shown.size(), messages);
        if (messages) QCOMPARE(boxes_.shown[0].text, comm::WrongFormatMessage());
        QCOMPARE(window.action("RunComm")->isEnabled(), opens);
        if (!opens) return;
        const QString expected = folder_->path() + QLatin1Char('/') + commandLine;
        QCOMPARE(def.CommFileName, expected);
        QCOMPARE(window.documentWindow()->caption(), QStringLiteral("通讯 ") + expected);
        QCOMPARE(window.documentWindow()->saveFlag(), QStringLiteral("1"));
    }

    void fileDialog_data() {
        QTest::addColumn<bool>("save");
        QTest::newRow("open") << false;
        QTest::newRow("save") << true;
    }
    void fileDialog() {
        QFETCH(bool, save);
        const auto dialog = comm::MakeCommFileDialog(
            nullptr, save ? FileDialogMode::Save : FileDialogMode::Open, folder_->path());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("打开/另存为[通讯]"));
        QCOMPARE(QDir(dialog->directory()).canonicalPath(), QDir(folder_->path()).canonicalPath());
        // The dialog trims the blank in front of the first description.
        QCOMPARE(dialog->nameFilters(),
                 (QStringList{QStringLiteral("通讯文件(*.Txl)"), QStringLiteral("所有文件(*.*)")}));
        QVERIFY(dialog->testOption(QFileDialog::DontUseNativeDialog));
        QCOMPARE(dialog->acceptMode(), save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        // The commands ask about overwriting themselves, once.
        if (save) QVERIFY(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    }

    void dialogNameFilters_data() {
        QTest::addColumn<QString>("pipe");
        QTest::addColumn<QStringList>("filters");
        QTest::newRow("patterns in the descriptions")
            << " 通讯文件(*.Txl)|*.Txl|所有文件(*.*)|*.*"
            << QStringList{QStringLiteral(" 通讯文件(*.Txl)"), QStringLiteral("所有文件(*.*)")};
        QTest::newRow("bare descriptions")
            << "Data|*.Dax|Text|*.txt" << QStringList{"Data (*.Dax)", "Text (*.txt)"};
        QTest::newRow("odd part dropped") << "Data|*.Dax|Text" << QStringList{"Data (*.Dax)"};
    }
    void dialogNameFilters() {
        QFETCH(QString, pipe);
        QFETCH(QStringList, filters);
        QCOMPARE(comm::DialogNameFilters(pipe), filters);
    }

    // The real dialog, answered from inside its modal loop.
    void openThroughTheRealDialog() {
        CommDefinition def;
        MainWindow window(def, folder_->path());
        window.show();
        const QString file = kindFile(2);
        bool answered = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            answered = true;
            dialog->selectFile(file);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        window.action("OpenComm")->trigger();
        QVERIFY(answered);
        QVERIFY(window.documentWindow());
        QCOMPARE(def.CommFileName, file);
    }
};

QTEST_MAIN(TestFileCommands)
#include "test_filecommands.moc"
