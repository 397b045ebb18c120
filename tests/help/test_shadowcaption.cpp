#include <QLabel>
#include <QtTest>

#include "shadowcaption.h"
#include "widgetdriver.h"

using namespace comm::help;

class TestShadowCaption : public QObject {
    Q_OBJECT

    QWidget parent_;
    QLabel* front_ = nullptr;
    QLabel* shadow_ = nullptr;

private slots:
    void init() {
        delete front_;
        delete shadow_;
        // The front label is created first, so it starts behind the shadow label.
        front_ = new QLabel(QStringLiteral("原有标题"), &parent_);
        shadow_ = new QLabel(QStringLiteral("旧的"), &parent_);
        front_->setGeometry(40, 30, 120, 24);
        shadow_->setGeometry(5, 70, 50, 10);
        QPalette red = shadow_->palette();
        red.setColor(QPalette::WindowText, Qt::red);
        shadow_->setPalette(red);
        front_->setPalette(red);
    }

    void placement_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<QPoint>("shadowPos");
        QTest::addColumn<bool>("recoloured");
        QTest::newRow("style 0 takes the left edge only") << 0 << QPoint(40, 70) << false;
        QTest::newRow("style 1 up and left") << 1 << QPoint(39, 29) << true;
        QTest::newRow("style 2 down and right") << 2 << QPoint(41, 31) << true;
        QTest::newRow("unknown style moves nothing") << 7 << QPoint(5, 70) << false;
    }
    void placement() {
        QFETCH(int, style);
        QFETCH(QPoint, shadowPos);
        QFETCH(bool, recoloured);

        ShadowCaption(front_, shadow_, style, QStringLiteral("欢迎使用"));

        QCOMPARE(front_->text(), QStringLiteral("欢迎使用"));
        QCOMPARE(shadow_->text(), QStringLiteral("欢迎使用"));
        QCOMPARE(front_->geometry(), QRect(40, 30, 120, 24));
        QCOMPARE(shadow_->pos(), shadowPos);
        QCOMPARE(shadow_->size(), front_->size());
        const QObjectList& order = parent_.children();
        const bool frontOnTop = order.indexOf(front_) > order.indexOf(shadow_);
        if (recoloured) {
            QCOMPARE(TextColour(shadow_), QColor(Qt::white));
            QCOMPARE(TextColour(front_), QColor(Qt::black));
            QVERIFY(frontOnTop);
        } else {
            QCOMPARE(TextColour(shadow_), QColor(Qt::red));
            QCOMPARE(TextColour(front_), QColor(Qt::red));
            QVERIFY(!frontOnTop);
        }
    }

    void emptyTextKeepsTheFrontCaption() {
        ShadowCaption(front_, shadow_, kShadowDownRight, QString());
        QCOMPARE(front_->text(), QStringLiteral("原有标题"));
        QCOMPARE(shadow_->text(), QStringLiteral("原有标题"));
    }

    void missingLabelIsIgnored() {
        ShadowCaption(nullptr, shadow_, kShadowDownRight, QStringLiteral("x"));
        ShadowCaption(front_, nullptr, kShadowDownRight, QStringLiteral("x"));
        QCOMPARE(shadow_->text(), QStringLiteral("旧的"));
        QCOMPARE(front_->text(), QStringLiteral("原有标题"));
    }
};

QTEST_MAIN(TestShadowCaption)
#include "test_shadowcaption.moc"
