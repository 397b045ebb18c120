#include <QComboBox>
#include <QFileDialog>
#include <QListView>
#include <QTemporaryDir>
#include <QtTest>

#include "filebytes.h"
#include "filedialogs.h"

namespace {

// The names the dialog's list shows for its folder.
QStringList listed(const QFileDialog& dialog) {
    const auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
    if (!view) return {QStringLiteral("no list")};
    QStringList names;
    const QAbstractItemModel* model = view->model();
    for (int row = 0; row < model->rowCount(view->rootIndex()); ++row)
        names << model->index(row, 0, view->rootIndex()).data().toString();
    names.sort();
    return names;
}

}  // namespace

class FileDialogsTest : public QObject {
    Q_OBJECT
private slots:
    // Picked as a user does, by keys in the dialog's filter list; the text stays as shown.
    void everyFileFilterShowsNamesWithoutADot_data() {
        QTest::addColumn<QStringList>("filters");
        QTest::addColumn<int>("picked");
        QTest::addColumn<QStringList>("shown");
        const QStringList all{"Makefile", "a.Txl", "b.Dax", "firmware"};
        QTest::newRow("send, the only filter") << QStringList{" 所有文件(*.*)"} << 0 << all;
        QTest::newRow("communication files")
            << QStringList{" 通讯文件(*.Txl)", "所有文件(*.*)"} << 0 << QStringList{"a.Txl"};
        QTest::newRow("communication dialog, all files")
            << QStringList{" 通讯文件(*.Txl)", "所有文件(*.*)"} << 1 << all;
        QTest::newRow("storage dialog, all files")
            << QStringList{" 存储文件(*.Dax)", "所有文件(*.*)"} << 1 << all;
    }
    void everyFileFilterShowsNamesWithoutADot() {
        QFETCH(QStringList, filters);
        QFETCH(int, picked);
        QFETCH(QStringList, shown);
        QTemporaryDir folder;
        for (const char* name : {"Makefile", "firmware", "a.Txl", "b.Dax"})
            QVERIFY(WriteWholeFile(folder.filePath(QString::fromLatin1(name)), "x"));
        const auto dialog =
            comm::ui::MakeFileDialog(nullptr, QStringLiteral("t"), folder.path(), filters);
        dialog->show();
        auto* kinds = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        QVERIFY(kinds);
        for (int i = 0; i < picked; ++i) QTest::keyClick(kinds, Qt::Key_Down);
        QCOMPARE(kinds->currentText(), filters[picked].trimmed());
        QTRY_COMPARE(listed(*dialog), shown);
    }
};

QTEST_MAIN(FileDialogsTest)
#include "test_filedialogs.moc"
