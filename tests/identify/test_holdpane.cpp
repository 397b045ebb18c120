// Holdpane: its hidden list, and the program ending by itself with status 0.
#include <QListWidget>
#include <QProcess>
#include <QtTest>

#include "builtprogram.h"
#include "holdpaneform.h"

namespace {
// Counts every widget that is shown while it lives.
class ShowCounter : public QObject {
public:
    ShowCounter() { qApp->installEventFilter(this); }
    ~ShowCounter() override { qApp->removeEventFilter(this); }
    int shown = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType()) ++shown;
        return false;
    }
};
}  // namespace

class TestHoldpane : public QObject {
    Q_OBJECT
private slots:
    void buildsItsListHiddenAndUnloadsAtTheFirstTick() {
        ShowCounter shows;
        holdpane::HoldpaneForm form;
        QCOMPARE(form.objectName(), QStringLiteral("Form1"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Holdpane"));
        QListWidget* list = form.findChild<QListWidget*>(QStringLiteral("ListView1"));
        QVERIFY(list);
        QCOMPARE(list->count(), 3000);
        QCOMPARE(list->item(0)->text(), QStringLiteral("1"));
        QCOMPARE(list->item(2999)->text(), QStringLiteral("3000"));
        const qint64 picture = list->item(0)->icon().cacheKey();
        QVERIFY(list->item(0)->icon().availableSizes().contains(QSize(32, 32)));
        QVERIFY(list->item(0)->icon().availableSizes().contains(QSize(16, 16)));
        QCOMPARE(list->item(1234)->icon().cacheKey(), picture);
        QCOMPARE(form.timer().objectName(), QStringLiteral("Timer1"));
        QCOMPARE(form.timer().interval(), 300);
        QVERIFY(form.timer().isActive());
        QVERIFY(!form.isVisible());

        QSignalSpy unloaded(&form, &holdpane::HoldpaneForm::unloaded);
        QVERIFY(unloaded.wait(5000));
        QCOMPARE(unloaded.count(), 1);
        QVERIFY(!form.timer().isActive());
        QCOMPARE(shows.shown, 0);
        for (QWidget* w : QApplication::topLevelWidgets()) QVERIFY(!w->isVisible());
    }

    void programEndsByItselfWithStatusZero() {
        QProcess holdpane;
        holdpane.start(BuiltProgram(QStringLiteral("Holdpane")), QStringList());
        QVERIFY2(holdpane.waitForStarted(5000), qPrintable(holdpane.errorString()));
        QVERIFY(holdpane.waitForFinished(10000));
        QCOMPARE(holdpane.exitStatus(), QProcess::NormalExit);
        QCOMPARE(holdpane.exitCode(), 0);
    }
};

QTEST_MAIN(TestHoldpane)
#include "test_holdpane.moc"
