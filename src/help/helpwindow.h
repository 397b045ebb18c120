#pragma once

#include <QDialog>

class QPlainTextEdit;
class QSplitter;
class QTreeWidget;
class QTreeWidgetItem;

namespace comm::help {

// The help window (Form13): the topic tree, the text of the chosen topic and a bar between
// them that shares the width. Shown modally by the help command, which owns it.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    // Item data roles of the tree: the node's key and its picture number.
    static constexpr int kKeyRole = Qt::UserRole;
    static constexpr int kPictureRole = Qt::UserRole + 1;

    explicit HelpWindow(QWidget* parent = nullptr);

    QTreeWidgetItem* topicItem(const QString& key) const;

private:
    void buildTree();
    void fitTopicNames();
    void showTopic(QTreeWidgetItem* item);

    QSplitter* splitter_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
};

}  // namespace comm::help
