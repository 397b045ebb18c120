#include "helpwindow.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTreeWidget>

#include "helppictures.h"
#include "helptopics.h"

namespace comm::help {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form13"));
    setWindowTitle(tr("帮助"));
    resize(640, 440);

    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("TreeView1"));
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);
    tree_->setIconSize(QSize(16, 16));

    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("Text1"));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setObjectName(QStringLiteral("HelpSplitter"));
    splitter_->addWidget(tree_);
    splitter_->addWidget(text_);
    splitter_->setHandleWidth(8);
    // Neither side may vanish: a zero-width pane could not be dragged back by a user who
    // does not know it is there.
    splitter_->setChildrenCollapsible(false);
    tree_->setMinimumWidth(24);
    text_->setMinimumWidth(48);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    splitter_->setSizes({200, 432});
    splitter_->handle(1)->setObjectName(QStringLiteral("Command1"));
    splitter_->handle(1)->setToolTip(tr("拖动以调整宽度"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(splitter_);

    buildTree();
    fitTopicNames();
    text_->setPlainText(tr("谢谢您使用该程序!"));

    connect(tree_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { showTopic(item); });
    connect(tree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { showTopic(item); });
}

void HelpWindow::buildTree() {
    QHash<QString, QTreeWidgetItem*> items;
    for (const HelpTopic& topic : HelpTopicTree()) {
        QTreeWidgetItem* parentItem = items.value(topic.parentKey);
        auto* item = parentItem ? new QTreeWidgetItem(parentItem) : new QTreeWidgetItem(tree_);
        item->setText(0, QCoreApplication::translate("HelpTopics", topic.caption));
        item->setData(0, kKeyRole, topic.key);
        item->setData(0, kPictureRole, topic.picture);
        item->setIcon(0, QIcon(HelpTreePicture(topic.picture)));
        items.insert(topic.key, item);
    }
    tree_->expandAll();
}

// Longer topic names than the tree's first width holds (the English ones) widen the tree and the
// window by what is missing, so no name is cut; names that fit leave the first sizes alone.
void HelpWindow::fitTopicNames() {
    constexpr int kTreeWidth = 200;
    const int wanted = static_cast<const QAbstractItemView*>(tree_)->sizeHintForColumn(0) +
                       2 * tree_->frameWidth() + 8;
    if (wanted <= kTreeWidth) return;
    resize(width() + wanted - kTreeWidth, height());
    splitter_->setSizes({wanted, 432});
}

QTreeWidgetItem* HelpWindow::topicItem(const QString& key) const {
    for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
        if ((*it)->data(0, kKeyRole).toString() == key) return *it;
    }
    return nullptr;
}

void HelpWindow::showTopic(QTreeWidgetItem* item) {
    if (!item) return;
    const int index = TopicTextIndex(item->data(0, kKeyRole).toString());
    if (index < 0) return;
    text_->setPlainText(HelpTopicText(index));
}

}  // namespace comm::help
