#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QtTest>

#include "aboutbox.h"
#include "chinesetexts.h"
#include "helpwindow.h"
#include "supportbox.h"
#include "translations.h"

// The help window and the two boxes in English: not one Chinese text left on them.
class TestHelpEnglish : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(comm::texts::InstallLanguage(comm::texts::Language::English)); }

    void noChineseLeft() {
        comm::help::HelpWindow help;
        comm::help::AboutBox about;
        comm::help::SupportBox support;
        for (const QWidget* window : {static_cast<QWidget*>(&help), static_cast<QWidget*>(&about),
                                      static_cast<QWidget*>(&support)}) {
            const QStringList left = ChineseTextsOn(window);
            QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
        }
        QCOMPARE(help.windowTitle(), QStringLiteral("Help"));
        QCOMPARE(about.windowTitle(), QStringLiteral("About"));
    }

    void everyTopicInEnglish() {
        comm::help::HelpWindow help;
        auto* tree = help.findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
        auto* text = help.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
        int topics = 0;
        for (QTreeWidgetItemIterator it(tree); *it; ++it) {
            tree->setCurrentItem(*it);
            const QStringList left = ChineseTextsOn(text);
            QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
            QVERIFY(!text->toPlainText().isEmpty());
            ++topics;
        }
        QCOMPARE(topics, 18);
    }

    // The English topic names are longer than the tree's first width: the window makes room.
    void topicNamesAreNotCut() {
        comm::help::HelpWindow help;
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        auto* tree = help.findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
        QVERIFY(tree->viewport()->width() > 200);
        // Public on the item view, protected on the tree.
        const int wanted = static_cast<const QAbstractItemView*>(tree)->sizeHintForColumn(0);
        QVERIFY2(wanted <= tree->viewport()->width(),
                 qPrintable(QStringLiteral("%1 > %2").arg(wanted).arg(tree->viewport()->width())));
    }
};

QTEST_MAIN(TestHelpEnglish)
#include "test_help_english.moc"
