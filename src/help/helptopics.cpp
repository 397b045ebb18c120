#include "helptopics.h"

#include <QCoreApplication>

namespace comm::help {

const QVector<HelpTopic>& HelpTopicTree() {
    static const QVector<HelpTopic> tree = {
        {QStringLiteral("Main"), QT_TRANSLATE_NOOP("HelpTopics", "程序帮助"), QString(), 1},
        {QStringLiteral("Main1"), QT_TRANSLATE_NOOP("HelpTopics", "简 介"), QStringLiteral("Main"),
         2},
        {QStringLiteral("Main2"), QT_TRANSLATE_NOOP("HelpTopics", "功 能"), QStringLiteral("Main"),
         2},
        {QStringLiteral("Main3"), QT_TRANSLATE_NOOP("HelpTopics", "帮 助"), QStringLiteral("Main"),
         2},
        {QStringLiteral("K01"), QT_TRANSLATE_NOOP("HelpTopics", "RS232串口简介"),
         QStringLiteral("Main1"), 3},
        {QStringLiteral("K02"), QT_TRANSLATE_NOOP("HelpTopics", "程 序 简 介"),
         QStringLiteral("Main1"), 3},
        {QStringLiteral("K03"), QT_TRANSLATE_NOOP("HelpTopics", "新 建 通 讯"),
         QStringLiteral("Main2"), 3},
        {QStringLiteral("K04"), QT_TRANSLATE_NOOP("HelpTopics", "打 开 通 讯"),
         QStringLiteral("Main2"), 3},
        {QStringLiteral("K05"), QT_TRANSLATE_NOOP("HelpTopics", "执 行 通 讯"),
         QStringLiteral("Main2"), 3},
        {QStringLiteral("K06"), QT_TRANSLATE_NOOP("HelpTopics", "关 闭 通 讯"),
         QStringLiteral("Main2"), 3},
        {QStringLiteral("K07"), QT_TRANSLATE_NOOP("HelpTopics", "保 存 通 讯"),
         QStringLiteral("Main2"), 3},
        {QStringLiteral("K08"), QT_TRANSLATE_NOOP("HelpTopics", "打 印 通 讯"),
         QStringLiteral("Main2"), 3},
        {QStringLiteral("K09"), QT_TRANSLATE_NOOP("HelpTopics", "串 口 设 置"),
         QStringLiteral("Main2"), 3},
        {QStringLiteral("K10"), QT_TRANSLATE_NOOP("HelpTopics", "技 术 支 持"),
         QStringLiteral("Main3"), 3},
        {QStringLiteral("K11"), QT_TRANSLATE_NOOP("HelpTopics", "监听活动串口"),
         QStringLiteral("Main2"), 3},
        {QStringLiteral("K12"), QT_TRANSLATE_NOOP("HelpTopics", "识 别 设 置"),
         QStringLiteral("Main2"), 3},
        {QStringLiteral("K13"), QT_TRANSLATE_NOOP("HelpTopics", "发 送 文 件"),
         QStringLiteral("Main2"), 3},
        {QStringLiteral("K14"), QT_TRANSLATE_NOOP("HelpTopics", "接 收 文 件"),
         QStringLiteral("Main2"), 3},
    };
    return tree;
}

int TopicTextIndex(const QString& key) {
    // Only the three-character keys are topics; "Main" and "Main1".."Main3" are groups.
    if (key.size() != 3) return -1;
    bool ok = false;
    const int number = key.mid(1).toInt(&ok);
    if (!ok || number < 1 || number > kTopicTextCount) return -1;
    return number - 1;
}

QString HelpTopicText(int index) {
    if (index < 0 || index >= kTopicTextCount) return QString();
    // The last two topics, sending and receiving a file, are one subject and share one text.
    const int text = index == kTopicTextCount - 1 ? index - 1 : index;
    return QCoreApplication::translate("HelpTopicText", kHelpTopicTexts[text]);
}

}  // namespace comm::help
