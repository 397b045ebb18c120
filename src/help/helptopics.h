#pragma once

#include <QString>
#include <QVector>

namespace comm::help {

// One node of the help tree. Picture numbers are 1 (the root), 2 (a group) and 3 (a topic).
struct HelpTopic {
    QString key;
    const char* caption;  // the source text; shown through the translation of "HelpTopics"
    QString parentKey;    // empty for the root
    int picture = 0;
};

constexpr int kTopicTextCount = 14;

// The nodes in the order the tree is built; each is added as the last child of its parent.
const QVector<HelpTopic>& HelpTopicTree();

// Index of the text a node shows ("K01".."K14" give 0..13), or -1 for a group node.
int TopicTextIndex(const QString& key);

// The source texts of topics K01..K13.
extern const char* const kHelpTopicTexts[kTopicTextCount - 1];

// Text of topic index 0..13 in the interface language; empty outside. Topics K13 and K14 share one
// text.
QString HelpTopicText(int index);

}  // namespace comm::help
