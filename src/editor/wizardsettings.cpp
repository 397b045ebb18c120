#include "wizardsettings.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "hoverfocus.h"

namespace comm {

namespace {

template <typename Numbers>
QStringList numberItems(const Numbers& numbers) {
    QStringList items;
    for (int n : numbers) items << QString::number(n);
    return items;
}

}  // namespace

WizardSettingsStep::WizardSettingsStep(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(tr("建立通讯向导步骤三"));
    setModal(true);
    ui::GiveFocusOnHoverWithin(this);

    auto* panel = new QGroupBox(tr("通讯端口设置"), this);
    auto* grid = new QGridLayout(panel);
    struct SettingList {
        SettingIndex index;
        const char* caption;
        QStringList items;
        QString initial;
    };
    const SettingList entries[4] = {
        {kBaudIndex, QT_TR_NOOP("波特率："), numberItems(kBaudRates), QStringLiteral("9600")},
        {kDataBitsIndex, QT_TR_NOOP("数据位："), numberItems(kDataBits), QStringLiteral("8")},
        {kParityIndex,
         QT_TR_NOOP("校验位："),
         {tr("偶校验"), tr("奇校验"), tr("缺省")},
         tr("奇校验")},
        {kStopBitsIndex, QT_TR_NOOP("停止位："), kStopBits, QStringLiteral("1")}};
    for (int row = 0; row < 4; ++row) {
        const SettingList& entry = entries[row];
        auto* list = new QComboBox(panel);
        list->setObjectName(QStringLiteral("Combo1_%1").arg(int(entry.index)));
        list->setEditable(false);
        list->addItems(entry.items);
        list->setCurrentIndex(list->findText(entry.initial));
        auto* caption = new QLabel(tr(entry.caption), panel);
        caption->setBuddy(list);
        grid->addWidget(caption, row, 0);
        grid->addWidget(list, row, 1);
        lists_[entry.index] = list;
    }

    back_ = new QPushButton(tr("上一步[&B]"), this);
    back_->setObjectName(QStringLiteral("BackButton"));
    finish_ = new QPushButton(tr("完成[&F]"), this);
    finish_->setObjectName(QStringLiteral("FinishButton"));
    finish_->setDefault(true);
    abandon_ = new QPushButton(tr("放弃[&X]"), this);
    abandon_->setObjectName(QStringLiteral("AbandonButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {back_, finish_, abandon_}) buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addLayout(buttons);
}

SettingIndexes WizardSettingsStep::indexes() const {
    SettingIndexes result{};
    for (int i = 0; i < 4; ++i) result[i] = qint16(lists_[i]->currentIndex());
    return result;
}

}  // namespace comm
