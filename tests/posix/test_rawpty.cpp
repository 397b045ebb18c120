#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <QFile>
#include <QtTest>
#include <cerrno>

#include "rawpty.h"

namespace {

bool WriteAll(int fd, const QByteArray& bytes) {
    return ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
}

// Reads until n bytes have come or nothing more comes for a second.
QByteArray ReadBytes(int fd, int n) {
    QByteArray got;
    char chunk[512];
    while (got.size() < n) {
        pollfd in{fd, POLLIN, 0};
        if (::poll(&in, 1, 1000) <= 0) break;
        const ssize_t r = ::read(fd, chunk, sizeof chunk);
        if (r <= 0) break;
        got.append(chunk, int(r));
    }
    return got;
}

QByteArray EveryByte() {
    QByteArray all;
    for (int b = 0; b < 256; ++b) all.append(char(b));
    return all;
}

}  // namespace

class TestRawPty : public QObject {
    Q_OBJECT
private slots:
    // Raw: no echo, no line discipline, no signal characters, no CR/LF translation.
    void everyByteValuePassesUnchangedBothWays() {
        comm::RawPty pty;
        QString error;
        QVERIFY2(pty.open(&error), qPrintable(error));
        QVERIFY(QFile::exists(pty.slavePath()));
        QVERIFY(WriteAll(pty.master(), EveryByte()));
        QCOMPARE(ReadBytes(pty.slave(), 256), EveryByte());
        QVERIFY(WriteAll(pty.slave(), EveryByte()));
        QCOMPARE(ReadBytes(pty.master(), 256), EveryByte());
    }

    void endsAreNotInheritedAndTheMasterDoesNotBlock() {
        comm::RawPty pty;
        QVERIFY(pty.open());
        QVERIFY(::fcntl(pty.master(), F_GETFD) & FD_CLOEXEC);
        QVERIFY(::fcntl(pty.slave(), F_GETFD) & FD_CLOEXEC);
        char c = 0;
        QCOMPARE(::read(pty.master(), &c, 1), ssize_t(-1));
        QCOMPARE(errno, EAGAIN);
    }

    void closingHangsUpOnAProgramHoldingTheSlave() {
        comm::RawPty pty;
        QVERIFY(pty.open());
        const int program =
            ::open(QFile::encodeName(pty.slavePath()).constData(), O_RDWR | O_NOCTTY);
        QVERIFY(program >= 0);
        pty.close();
        QVERIFY(!pty.isOpen());
        char c = 0;
        const ssize_t r = ::read(program, &c, 1);
        QVERIFY2(r == 0 || (r < 0 && errno == EIO),
                 "the far end's hang-up did not reach the slave");
        ::close(program);
    }
};

QTEST_GUILESS_MAIN(TestRawPty)
#include "test_rawpty.moc"
