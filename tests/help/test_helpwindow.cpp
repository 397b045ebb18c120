#include <QPlainTextEdit>
#include <QSplitterHandle>
#include <QTreeWidget>
#include <QtTest>

#include "helppictures.h"
#include "helptopics.h"
#include "helpwindow.h"

using namespace comm::help;

class TestHelpWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<HelpWindow> window_;
    QTreeWidget* tree_ = nullptr;
    QPlainTextEdit* text_ = nullptr;

    void click(const QString& key) {
        QTreeWidgetItem* item = window_->topicItem(key);
        QVERIFY2(item, qPrintable(key));
        tree_->scrollToItem(item);
        const QRect rect = tree_->visualItemRect(item);
        QVERIFY(rect.isValid());
        QTest::mouseClick(tree_->viewport(), Qt::LeftButton, {}, rect.center());
    }

    QStringList childKeys(const QString& key) const {
        QStringList keys;
        const QTreeWidgetItem* item = window_->topicItem(key);
        for (int i = 0; item && i < item->childCount(); ++i)
            keys << item->child(i)->data(0, HelpWindow::kKeyRole).toString();
        return keys;
    }

private slots:
    void init() {
        window_ = std::make_unique<HelpWindow>();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        tree_ = window_->findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
        text_ = window_->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
        QVERIFY(tree_);
        QVERIFY(text_);
    }
    void cleanup() { window_.reset(); }

    void opensWithTheThankYouLine() {
        QCOMPARE(window_->windowTitle(), QStringLiteral("帮助"));
        QCOMPARE(text_->toPlainText(), QStringLiteral("谢谢您使用该程序!"));
        QVERIFY(text_->isReadOnly());
    }

    void nodes_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("parentKey");
        QTest::addColumn<int>("picture");
        // clang-format off
        QTest::newRow("Main") << "Main" << "程序帮助" << "" << 1;
        QTest::newRow("Main1") << "Main1" << "简 介" << "Main" << 2;
        QTest::newRow("Main2") << "Main2" << "功 能" << "Main" << 2;
        QTest::newRow("Main3") << "Main3" << "帮 助" << "Main" << 2;
        QTest::newRow("K01") << "K01" << "RS232串口简介" << "Main1" << 3;
        QTest::newRow("K02") << "K02" << "程 序 简 介" << "Main1" << 3;
        QTest::newRow("K03") << "K03" << "新 建 通 讯" << "Main2" << 3;
        QTest::newRow("K04") << "K04" << "打 开 通 讯" << "Main2" << 3;
        QTest::newRow("K05") << "K05" << "执 行 通 讯" << "Main2" << 3;
        QTest::newRow("K06") << "K06" << "关 闭 通 讯" << "Main2" << 3;
        QTest::newRow("K07") << "K07" << "保 存 通 讯" << "Main2" << 3;
        QTest::newRow("K08") << "K08" << "打 印 通 讯" << "Main2" << 3;
        QTest::newRow("K09") << "K09" << "串 口 设 置" << "Main2" << 3;
        QTest::newRow("K10") << "K10" << "技 术 支 持" << "Main3" << 3;
        QTest::newRow("K11") << "K11" << "监听活动串口" << "Main2" << 3;
        QTest::newRow("K12") << "K12" << "识 别 设 置" << "Main2" << 3;
        QTest::newRow("K13") << "K13" << "发 送 文 件" << "Main2" << 3;
        QTest::newRow("K14") << "K14" << "接 收 文 件" << "Main2" << 3;
        // clang-format on
    }
    void nodes() {
        QFETCH(QString, key);
        QFETCH(QString, caption);
        QFETCH(QString, parentKey);
        QFETCH(int, picture);
        const QTreeWidgetItem* item = window_->topicItem(key);
        QVERIFY(item);
        QCOMPARE(item->text(0), caption);
        const QTreeWidgetItem* parent = item->parent();
        QCOMPARE(parent ? parent->data(0, HelpWindow::kKeyRole).toString() : QString(), parentKey);
        QCOMPARE(item->data(0, HelpWindow::kPictureRole).toInt(), picture);
        QVERIFY(!item->icon(0).isNull());
        QCOMPARE(item->icon(0).pixmap(16, 16).toImage(),
                 HelpTreePicture(picture).scaled(16, 16).toImage());
    }

    void childrenInBuildOrder() {
        QCOMPARE(tree_->topLevelItemCount(), 1);
        QCOMPARE(childKeys(QStringLiteral("Main")), QStringList({"Main1", "Main2", "Main3"}));
        QCOMPARE(childKeys(QStringLiteral("Main1")), QStringList({"K01", "K02"}));
        QCOMPARE(childKeys(QStringLiteral("Main2")),
                 QStringList({"K03", "K04", "K05", "K06", "K07", "K08", "K09", "K11", "K12", "K13",
                              "K14"}));
        QCOMPARE(childKeys(QStringLiteral("Main3")), QStringList({"K10"}));
    }

    void threeDistinctPictures() {
        const QImage root = HelpTreePicture(1).toImage();
        const QImage group = HelpTreePicture(2).toImage();
        const QImage topic = HelpTreePicture(3).toImage();
        QVERIFY(!root.isNull() && !group.isNull() && !topic.isNull());
        QVERIFY(root != group && group != topic && root != topic);
        QVERIFY(HelpTreePicture(0).isNull());
        QVERIFY(HelpTreePicture(4).isNull());
    }

    // Every topic shows a text of its own, except that K13 and K14 share one.
    void topicsShowTheirTexts() {
        QHash<QString, QString> shown;
        for (int n = 1; n <= 14; ++n) {
            const QString key = QStringLiteral("K%1").arg(n, 2, 10, QLatin1Char('0'));
            click(key);
            const QString text = text_->toPlainText();
            QVERIFY2(text.size() >= 10, qPrintable(key));
            QVERIFY2(text != QStringLiteral("谢谢您使用该程序!"), qPrintable(key));
            shown.insert(key, text);
        }
        QCOMPARE(shown.value("K13"), shown.value("K14"));
        QSet<QString> distinct;
        for (auto it = shown.cbegin(); it != shown.cend(); ++it) distinct.insert(it.value());
        QCOMPARE(distinct.size(), 13);
        QCOMPARE(shown.value("K06"), QStringLiteral("关闭当前活动的通讯文件。"));
        QCOMPARE(shown.value("K08"), QStringLiteral("打印当前活动通讯的通讯文件格式。"));
    }

    // What each topic must tell the reader.
    void topicContent_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("words");
        // clang-format off
        QTest::newRow("K01 the interface") << "K01" << QStringList{"EIA", "25", "9", "115200", "异步"};
        QTest::newRow("K02 the program") << "K02" << QStringList{"下位机", "查询", "中断", "通讯文件"};
        QTest::newRow("K03 the wizard") << "K03" << QStringList{"向导", "种类", "幀格式", "串口设置"};
        QTest::newRow("K04 open") << "K04" << QStringList{"通讯文件", "不要打开", "本程序"};
        QTest::newRow("K05 run") << "K05" << QStringList{"核心", "发送窗口", "接收窗口", "缓冲区", "提示"};
        QTest::newRow("K07 save") << "K07" << QStringList{"保存", "保存幀数据", "选中"};
        QTest::newRow("K09 ports") << "K09" << QStringList{"串口一", "串口二", "串口三", "串口四", "启动"};
        QTest::newRow("K10 support") << "K10" << QStringList{"技术支持"};
        QTest::newRow("K11 monitor") << "K11" << QStringList{"监听", "存储数据", "导入数据", "ASC", "十六进制"};
        QTest::newRow("K12 identify") << "K12" << QStringList{"一直", "仅供参考", "十个字节", "波特率大"};
        QTest::newRow("K13 transfer") << "K13" << QStringList{"接收方", "发送方", "先", "文件夹"};
        // clang-format on
    }
    void topicContent() {
        QFETCH(QString, key);
        QFETCH(QStringList, words);
        click(key);
        const QString text = text_->toPlainText();
        for (const QString& word : words)
            QVERIFY2(text.contains(word), qPrintable(key + ": " + word));
    }

    void groupNodesKeepTheText_data() {
        QTest::addColumn<QString>("before");
        QTest::newRow("at opening") << "";
        QTest::newRow("after K05") << "K05";
        QTest::newRow("after K14") << "K14";
    }
    void groupNodesKeepTheText() {
        QFETCH(QString, before);
        if (!before.isEmpty()) click(before);
        const QString shown = text_->toPlainText();
        for (const char* group : {"Main", "Main1", "Main2", "Main3"}) {
            click(QString::fromLatin1(group));
            QCOMPARE(tree_->currentItem(), window_->topicItem(QString::fromLatin1(group)));
            QCOMPARE(text_->toPlainText(), shown);
        }
    }

    void keyboardMovesShowTopics() {
        tree_->setFocus();
        tree_->setCurrentItem(window_->topicItem(QStringLiteral("K09")));
        const QString k09 = text_->toPlainText();
        QTest::keyClick(tree_, Qt::Key_Down);
        QCOMPARE(tree_->currentItem(), window_->topicItem(QStringLiteral("K11")));
        QVERIFY(text_->toPlainText() != k09);
        QCOMPARE(text_->toPlainText(), HelpTopicText(TopicTextIndex(QStringLiteral("K11"))));
    }

    void topicIndexes_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("index");
        QTest::newRow("K01") << "K01" << 0;
        QTest::newRow("K10") << "K10" << 9;
        QTest::newRow("K14") << "K14" << 13;
        QTest::newRow("group Main") << "Main" << -1;
        QTest::newRow("group Main2") << "Main2" << -1;
        QTest::newRow("K00 out of range") << "K00" << -1;
        QTest::newRow("K15 out of range") << "K15" << -1;
        QTest::newRow("not a number") << "Kxy" << -1;
        QTest::newRow("empty") << "" << -1;
    }
    void topicIndexes() {
        QFETCH(QString, key);
        QFETCH(int, index);
        QCOMPARE(TopicTextIndex(key), index);
    }

    void barSharesTheWidth() {
        auto* bar = window_->findChild<QSplitterHandle*>(QStringLiteral("Command1"));
        QVERIFY(bar);
        QVERIFY(bar->isVisible());
        QCOMPARE(bar->orientation(), Qt::Horizontal);
        const int treeWidth = tree_->width();
        const int total = tree_->width() + text_->width();
        // The bar lies between the two panes.
        QVERIFY(bar->geometry().left() >= tree_->geometry().right());
        QVERIFY(bar->geometry().right() <= text_->geometry().left());

        const QPoint grip = bar->rect().center();
        QTest::mousePress(bar, Qt::LeftButton, {}, grip);
        QTest::mouseMove(bar, grip + QPoint(90, 0));
        QTest::mouseRelease(bar, Qt::LeftButton, {}, grip + QPoint(90, 0));
        QTRY_COMPARE(tree_->width(), treeWidth + 90);
        QCOMPARE(tree_->width() + text_->width(), total);

        // Dragged past the left edge, the tree keeps a grip-able width.
        const QPoint moved = bar->rect().center();
        QTest::mousePress(bar, Qt::LeftButton, {}, moved);
        QTest::mouseMove(bar, moved - QPoint(2000, 0));
        QTest::mouseRelease(bar, Qt::LeftButton, {}, moved - QPoint(2000, 0));
        QTRY_VERIFY(tree_->width() < treeWidth);
        QVERIFY(tree_->width() > 0);
        QCOMPARE(tree_->width() + text_->width(), total);
    }

    void widerWindowWidensTheText() {
        const int treeWidth = tree_->width();
        const int textWidth = text_->width();
        window_->resize(window_->width() + 150, window_->height());
        QTRY_COMPARE(text_->width(), textWidth + 150);
        QCOMPARE(tree_->width(), treeWidth);
    }
};

QTEST_MAIN(TestHelpWindow)
#include "test_helpwindow.moc"
