#include <QtTest>
#include <limits>

#include "commoptions.h"

using comm::CommOptions;
using comm::OptionValues;
using comm::ResolveFileOptions;

class CommOptionsTest : public QObject {
    Q_OBJECT
private slots:
    void boxNumber_data();
    void boxNumber();
    void writerRulesForTheBoxes_data();
    void writerRulesForTheBoxes();
    void runOptions_data();
    void runOptions();
    void unusableTimesAreRefusedOnlyForTheKindsThatUseThem_data();
    void unusableTimesAreRefusedOnlyForTheKindsThatUseThem();
    void optionsFromFile();
    void storedTimesMeanTheSameEverywhere_data();
    void storedTimesMeanTheSameEverywhere();
};

void CommOptionsTest::boxNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("digits") << QStringLiteral("300") << 300.0;
    QTest::newRow("empty") << QString() << 0.0;
    QTest::newRow("blanks first") << QStringLiteral("  12") << 12.0;
    QTest::newRow("trailing text") << QStringLiteral("12abc") << 12.0;
    QTest::newRow("text first") << QStringLiteral("x12") << 0.0;
    QTest::newRow("fraction") << QStringLiteral("2.5") << 2.5;
    QTest::newRow("leading point") << QStringLiteral(".5s") << 0.5;
    QTest::newRow("negative") << QStringLiteral("-3") << -3.0;
    QTest::newRow("sign only") << QStringLiteral("-") << 0.0;
    QTest::newRow("leading zeros") << QStringLiteral("007") << 7.0;
}

void CommOptionsTest::boxNumber() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(comm::BoxNumber(text), value);
}

void CommOptionsTest::writerRulesForTheBoxes_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("loopForever");
    QTest::addColumn<QString>("loopText");
    QTest::addColumn<bool>("noDelay");
    QTest::addColumn<QString>("delayText");
    QTest::addColumn<bool>("noWait");
    QTest::addColumn<QString>("waitText");
    QTest::addColumn<int>("loop");
    QTest::addColumn<int>("delay");
    QTest::addColumn<int>("wait");
    QTest::addColumn<QString>("loopShown");
    QTest::addColumn<QString>("delayShown");
    QTest::addColumn<QString>("waitShown");
    QTest::newRow("300 becomes 255")
        << 3 << false << "300" << true << "" << true << "" << 255 << 0 << 0 << "255"
        << ""
        << "";
    QTest::newRow("255 stays") << 3 << false << "255" << true << "" << true << "" << 255 << 0 << 0
                               << "255"
                               << ""
                               << "";
    QTest::newRow("254 saved as 254")
        << 3 << false << "254" << true << "" << true << "" << 254 << 0 << 0 << "254"
        << ""
        << "";
    QTest::newRow("empty loop box")
        << 3 << false << "" << true << "" << true << "" << 0 << 0 << 0 << ""
        << ""
        << "";
    QTest::newRow("loop forever ignores box")
        << 3 << true << "12" << true << "" << true << "" << 0 << 0 << 0 << "12"
        << ""
        << "";
    QTest::newRow("kind 1 empties delay and wait")
        << 1 << true << "" << false << "500" << false << "800" << 0 << 0 << 0 << ""
        << ""
        << "";
    QTest::newRow("kind 2 keeps wait only")
        << 2 << true << "" << false << "500" << false << "800" << 0 << 0 << 800 << ""
        << ""
        << "800";
    QTest::newRow("kind 4 keeps delay only")
        << 4 << true << "" << false << "500" << false << "800" << 0 << 500 << 0 << ""
        << "500"
        << "";
    QTest::newRow("kind 3 keeps both")
        << 3 << true << "" << false << "500" << false << "800" << 0 << 500 << 800 << ""
        << "500"
        << "800";
    QTest::newRow("no delay option keeps box")
        << 3 << true << "" << true << "500" << true << "800" << 0 << 0 << 0 << ""
        << "500"
        << "800";
    QTest::newRow("non-numbers emptied")
        << 3 << false << "x" << false << "1a" << false << "-3" << 0 << 0 << 0 << ""
        << ""
        << "";
    QTest::newRow("too large clamps")
        << 3 << false << "99999999999999999999" << false << "3000000000" << true << "" << 255
        << 2147483647 << 0 << "255"
        << "2147483647"
        << "";
}
void CommOptionsTest::writerRulesForTheBoxes() {
    QFETCH(int, kind);
    CommOptions o;
    QFETCH(bool, loopForever);
    QFETCH(bool, noDelay);
    QFETCH(bool, noWait);
    o.loopForever = loopForever;
    o.noDelay = noDelay;
    o.noWait = noWait;
    QFETCH(QString, loopText);
    QFETCH(QString, delayText);
    QFETCH(QString, waitText);
    o.loopText = loopText;
    o.delayText = delayText;
    o.waitText = waitText;
    const OptionValues v = ResolveFileOptions(kind, &o);
    QTEST(int(v.loopCount), "loop");
    QTEST(int(v.delay), "delay");
    QTEST(int(v.wait), "wait");
    QTEST(o.loopText, "loopShown");
    QTEST(o.delayText, "delayShown");
    QTEST(o.waitText, "waitShown");
}

void CommOptionsTest::runOptions_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("loopForever");
    QTest::addColumn<QString>("loopText");
    QTest::addColumn<bool>("noDelay");
    QTest::addColumn<QString>("delayText");
    QTest::addColumn<bool>("noWait");
    QTest::addColumn<QString>("waitText");
    QTest::addColumn<bool>("counted");
    QTest::addColumn<double>("count");
    QTest::addColumn<int>("pause");
    QTest::addColumn<int>("limit");
    QTest::newRow("all first options")
        << 4 << true << "7" << true << "500" << true << "3000" << false << 0.0 << 100 << 0;
    QTest::newRow("kind 4 delay") << 4 << false << "3" << false << "500" << false << "3000" << true
                                  << 3.0 << 600 << 0;
    QTest::newRow("kind 3 keeps no delay")
        << 3 << false << "" << false << "500" << false << "3000" << true << 0.0 << 100 << 3000;
    QTest::newRow("kind 2 limit") << 2 << true << "" << true << "" << false << "250ms" << false
                                  << 0.0 << 100 << 250;
    QTest::newRow("kind 1 has no limit")
        << 1 << false << "12" << true << "" << false << "250" << true << 12.0 << 100 << 0;
    QTest::newRow("negative delay is none")
        << 4 << true << "" << false << "-5" << true << "" << false << 0.0 << 100 << 0;
    QTest::newRow("negative limit is none")
        << 3 << true << "" << true << "" << false << "-1" << false << 0.0 << 100 << 0;
    QTest::newRow("empty limit box")
        << 2 << true << "" << true << "" << false << "" << false << 0.0 << 100 << 0;
}

void CommOptionsTest::runOptions() {
    QFETCH(int, kind);
    comm::CommOptions options;
    QFETCH(bool, loopForever);
    QFETCH(QString, loopText);
    QFETCH(bool, noDelay);
    QFETCH(QString, delayText);
    QFETCH(bool, noWait);
    QFETCH(QString, waitText);
    options.loopForever = loopForever;
    options.loopText = loopText;
    options.noDelay = noDelay;
    options.delayText = delayText;
    options.noWait = noWait;
    options.waitText = waitText;
    comm::RunOptions run;
    QString error;
    QVERIFY(comm::ResolveRunOptions(kind, options, &run, &error));
    QTEST(run.counted, "counted");
    QTEST(run.count, "count");
    QTEST(run.answerPauseMs, "pause");
    QTEST(run.receiveLimitMs, "limit");
}

void CommOptionsTest::unusableTimesAreRefusedOnlyForTheKindsThatUseThem_data() {
    QTest::addColumn<QString>("delayText");
    QTest::addColumn<QString>("waitText");
    QTest::addColumn<QList<int>>("refusingKinds");
    QTest::newRow("huge delay") << "99999999999"
                                << "" << QList<int>{4};
    QTest::newRow("negative delay") << "-5"
                                    << "" << QList<int>{};
    QTest::newRow("huge limit") << ""
                                << "3000000000" << QList<int>{2, 3};
    QTest::newRow("negative limit") << ""
                                    << "-1" << QList<int>{};
}

void CommOptionsTest::unusableTimesAreRefusedOnlyForTheKindsThatUseThem() {
    QFETCH(QString, delayText);
    QFETCH(QString, waitText);
    QFETCH(QList<int>, refusingKinds);
    comm::CommOptions options;
    options.noDelay = delayText.isEmpty();
    options.delayText = delayText;
    options.noWait = waitText.isEmpty();
    options.waitText = waitText;
    for (int kind = 1; kind <= 4; ++kind) {
        comm::RunOptions run;
        QString error;
        const bool ok = comm::ResolveRunOptions(kind, options, &run, &error);
        QCOMPARE(ok, !refusingKinds.contains(kind));
        QCOMPARE(error.isEmpty(), ok);
        if (!ok) QVERIFY2(error.contains(delayText + waitText), qPrintable(error));
    }
}

void CommOptionsTest::optionsFromFile() {
    comm::CommDefinition def;
    def.FileLoopCount = 0;
    def.FileDelayTime = 250;
    def.FileWaitTime = 0;
    comm::CommOptions options = comm::OptionsFromFile(def);
    QVERIFY(options.loopForever);
    QVERIFY(!options.noDelay);
    QCOMPARE(options.delayText, QStringLiteral("250"));
    QVERIFY(options.noWait);

    def.FileLoopCount = 255;
    def.FileDelayTime = 0;
    def.FileWaitTime = 3000;
    options = comm::OptionsFromFile(def);
    QVERIFY(!options.loopForever);
    QCOMPARE(options.loopText, QStringLiteral("255"));
    QVERIFY(options.noDelay);
    QVERIFY(!options.noWait);
    QCOMPARE(options.waitText, QStringLiteral("3000"));
}

// A file's delay and limit as the document window shows them, as a run uses them and as the
// next save stores them: the three must agree, a negative (damaged) time meaning none in all.
void CommOptionsTest::storedTimesMeanTheSameEverywhere_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("delay");
    QTest::addColumn<int>("wait");
    QTest::addColumn<QString>("delayShown");  // empty: "不延迟" selected
    QTest::addColumn<QString>("waitShown");  // empty: "不提示错误,直到收到数据" selected
    QTest::addColumn<int>("pause");
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("delaySaved");
    QTest::addColumn<int>("waitSaved");
    constexpr int kMin = std::numeric_limits<qint32>::min();
    QTest::newRow("kind 4 delay") << 4 << 500 << 0 << "500"
                                  << "" << 600 << 0 << 500 << 0;
    QTest::newRow("kind 4 negative delay") << 4 << -5 << 0 << ""
                                           << "" << 100 << 0 << 0 << 0;
    QTest::newRow("kind 4 most negative delay") << 4 << kMin << 0 << ""
                                                << "" << 100 << 0 << 0 << 0;
    QTest::newRow("kind 3 limit") << 3 << 0 << 3000 << ""
                                  << "3000" << 100 << 3000 << 0 << 3000;
    QTest::newRow("kind 3 negative limit") << 3 << 0 << -1 << ""
                                           << "" << 100 << 0 << 0 << 0;
    QTest::newRow("kind 3 both negative") << 3 << -100 << -3000 << ""
                                          << "" << 100 << 0 << 0 << 0;
    QTest::newRow("kind 3 keeps a delay it never pauses for") << 3 << 500 << 0 << "500"
                                                              << "" << 100 << 0 << 500 << 0;
    QTest::newRow("kind 2 negative limit") << 2 << 0 << kMin << ""
                                           << "" << 100 << 0 << 0 << 0;
    // A time the kind does not use is shown as the file holds it, and dropped by the next save.
    QTest::newRow("kind 2 has no delay") << 2 << 500 << 800 << "500"
                                         << "800" << 100 << 800 << 0 << 800;
    QTest::newRow("kind 4 has no limit") << 4 << 0 << 800 << ""
                                         << "800" << 100 << 0 << 0 << 0;
    QTest::newRow("kind 1 has neither") << 1 << 500 << 800 << "500"
                                        << "800" << 100 << 0 << 0 << 0;
}

void CommOptionsTest::storedTimesMeanTheSameEverywhere() {
    QFETCH(int, kind);
    QFETCH(int, delay);
    QFETCH(int, wait);
    QFETCH(QString, delayShown);
    QFETCH(QString, waitShown);
    comm::CommDefinition def;
    def.FileCommKind = qint16(kind);
    def.FileDelayTime = delay;
    def.FileWaitTime = wait;
    CommOptions shown = comm::OptionsFromFile(def);
    QCOMPARE(shown.noDelay, delayShown.isEmpty());
    QCOMPARE(shown.delayText, delayShown);
    QCOMPARE(shown.noWait, waitShown.isEmpty());
    QCOMPARE(shown.waitText, waitShown);

    comm::RunOptions run;
    QString error;
    QVERIFY2(comm::ResolveRunOptions(kind, shown, &run, &error), qPrintable(error));
    QTEST(run.answerPauseMs, "pause");
    QTEST(run.receiveLimitMs, "limit");

    QFETCH(int, delaySaved);
    QFETCH(int, waitSaved);
    const OptionValues saved = ResolveFileOptions(kind, &shown);
    QCOMPARE(saved.delay, delaySaved);
    QCOMPARE(saved.wait, waitSaved);
    QCOMPARE(shown.delayText, delaySaved ? QString::number(delaySaved) : QString());
    QCOMPARE(shown.waitText, waitSaved ? QString::number(waitSaved) : QString());
}

QTEST_APPLESS_MAIN(CommOptionsTest)
#include "test_commoptions.moc"
