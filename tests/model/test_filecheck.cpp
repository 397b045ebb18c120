#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

#include "daxfile.h"
#include "filebytes.h"
#include "filecheck.h"
#include "safesave.h"
#include "timedlog.h"
#include "txlfile.h"

using namespace comm;
using Problem = FileCheck::Problem;

// What may be read or written, decided without opening anything; and writes that fail leaving
// the old file as it was.
class TestFileCheck : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

    QString path(const QString& name) const { return dir_.filePath(name); }

private slots:
    void initTestCase() {
        QVERIFY(WriteWholeFile(path("plain.Txl"), QByteArray(100, 'x')));
        QVERIFY(::mkfifo(QFile::encodeName(path("fifo.Txl")).constData(), 0600) == 0);
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path("zero.Txl")));
        QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral("folder.Txl")));
    }

    void reading_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<qint64>("maxSize");
        QTest::addColumn<Problem>("problem");
        const QString foreign = QStringLiteral("caf") + QChar::ReplacementCharacter + ".Txl";
        QTest::newRow("regular") << path("plain.Txl") << qint64(100) << Problem::None;
        QTest::newRow("one byte too large") << path("plain.Txl") << qint64(99) << Problem::TooLarge;
        QTest::newRow("missing") << path("none.Txl") << kAnySize << Problem::Missing;
        QTest::newRow("no name") << QString() << kAnySize << Problem::Missing;
        QTest::newRow("FIFO") << path("fifo.Txl") << kAnySize << Problem::NotRegular;
        QTest::newRow("link to /dev/zero") << path("zero.Txl") << kAnySize << Problem::NotRegular;
        QTest::newRow("/dev/zero")
            << QStringLiteral("/dev/zero") << kAnySize << Problem::NotRegular;
        QTest::newRow("folder") << path("folder.Txl") << kAnySize << Problem::Directory;
        QTest::newRow("name not in the encoding") << path(foreign) << kAnySize << Problem::BadName;
    }
    void reading() {
        QFETCH(QString, file);
        QFETCH(qint64, maxSize);
        QFETCH(Problem, problem);
        const FileCheck check = CheckFileToRead(file, maxSize);
        QCOMPARE(check.problem, problem);
        QCOMPARE(check.message.isEmpty(), problem == Problem::None);
    }

    void writing_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Problem>("problem");
        QTest::newRow("existing regular") << path("plain.Txl") << Problem::None;
        QTest::newRow("new") << path("new.Dax") << Problem::None;
        QTest::newRow("no such folder") << path("none/new.Dax") << Problem::Missing;
        QTest::newRow("FIFO") << path("fifo.Txl") << Problem::NotRegular;
        QTest::newRow("/dev/null") << QStringLiteral("/dev/null") << Problem::NotRegular;
        QTest::newRow("folder") << path("folder.Txl") << Problem::Directory;
    }
    void writing() {
        QFETCH(QString, file);
        QFETCH(Problem, problem);
        QCOMPARE(CheckFileToWrite(file).problem, problem);
    }

    // Each reader says what is wrong instead of taking a FIFO, a device or a folder for missing.
    void readersGiveTheirOwnReason() {
        CommDefinition def;
        QString error;
        QCOMPARE(ReadCommFile(path("fifo.Txl"), &def, &error), ReadStatus::Unreadable);
        QVERIFY2(error.contains(QStringLiteral("不是普通文件")), qPrintable(error));
        QCOMPARE(ReadCommFile(path("folder.Txl"), &def, &error), ReadStatus::Unreadable);
        QVERIFY2(error.contains(QStringLiteral("文件夹")), qPrintable(error));
        const DaxContent dax = ReadDaxFile(path("zero.Txl"));
        QCOMPARE(dax.status, DaxStatus::Refused);
        QVERIFY(dax.message.contains(QStringLiteral("不是普通文件")));
        QVERIFY(!WriteDaxFile(path("fifo.Txl"), "abc", DaxWriteMode::OverExisting, &error));
        QVERIFY(error.contains(QStringLiteral("不是普通文件")));
    }

    // Saving over a file keeps its mode; a read-only file stays read-only for root as well.
    void modeIsKept_data() {
        QTest::addColumn<int>("mode");
        QTest::newRow("0640") << 0640;
        QTest::newRow("read-only") << 0444;
    }
    void modeIsKept() {
        QFETCH(int, mode);
        const QString file = path("mode.Dax");
        QVERIFY(WriteWholeFile(file, "old"));
        QVERIFY(::chmod(QFile::encodeName(file).constData(), mode_t(mode)) == 0);
        QString error;
        QVERIFY2(SaveFileWhole(file, "new", &error), qPrintable(error));
        QCOMPARE(ReadWholeFile(file), QByteArray("new"));
        struct stat st {};
        QVERIFY(::stat(QFile::encodeName(file).constData(), &st) == 0);
        QCOMPARE(int(st.st_mode & 07777), mode);
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
        QFile::remove(file);
    }

    // A full disk: every writer fails, and the old file is byte for byte what it was, with no
    // temporary file left beside it. A small tmpfs where one can be mounted, otherwise a limit
    // on file size makes the same write fail.
    void fullDiskLeavesTheOldFile() {
        QTemporaryDir disk;
        const QByteArray where = QFile::encodeName(disk.path());
        const bool mounted = ::mount("tmpfs", where.constData(), "tmpfs", 0, "size=64k") == 0;
        rlimit saved{};
        ::getrlimit(RLIMIT_FSIZE, &saved);
        if (!mounted) {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit small = saved;
            small.rlim_cur = 31 * 1024;
            QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);
        }
        const QString file = QDir(disk.path()).filePath(QStringLiteral("old.Dax"));
        const QByteArray old = EncodeDax(QByteArray(30000, 'o'));
        QVERIFY(WriteWholeFile(file, old));
        if (mounted) QVERIFY(WriteWholeFile(file + ".fill", QByteArray(20 * 1024, 'f')));
        const QStringList before = QDir(disk.path()).entryList(QDir::Files);

        QString error;
        QVERIFY(!WriteDaxFile(file, QByteArray(32000, 'n'), DaxWriteMode::OverExisting, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!WriteDaxFile(file, QByteArray(32000, 'n'), DaxWriteMode::Replace));
        TimedLog log;
        for (int i = 0; i < 2000; ++i) log.append(i, LogDirection::Received, "0123456789");
        QVERIFY(!WriteLogFile(file, log, QStringLiteral("t"), &error));
        QCOMPARE(ReadWholeFile(file), old);
        QCOMPARE(QDir(disk.path()).entryList(QDir::Files), before);

        if (mounted)
            ::umount2(where.constData(), MNT_DETACH);
        else
            ::setrlimit(RLIMIT_FSIZE, &saved);
    }
};

QTEST_GUILESS_MAIN(TestFileCheck)
#include "test_filecheck.moc"
