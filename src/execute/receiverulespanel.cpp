#include "receiverulespanel.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>

#include "runtext.h"

namespace comm {

ReceiveRulesPanel::ReceiveRulesPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ReceiveRules"));
    check_ = new QCheckBox(tr("检查接收幀"), this);
    check_->setObjectName(QStringLiteral("CheckFrames"));
    check_->setToolTip(
        tr("把每个收到的幀与接收幀格式比较：输入的字节、校验（命名的校验方法"
           "或输入的校验字节）；-1 的字节不比较"));
    gap_ = new QCheckBox(tr("静默分幀"), this);
    gap_->setObjectName(QStringLiteral("GapFrames"));
    gap_->setToolTip(tr("线路静默这么多个字符时间即为一幀结束（Modbus RTU 为 3.5）"));
    gapChars_ = new QDoubleSpinBox(this);
    gapChars_->setObjectName(QStringLiteral("GapChars"));
    gapChars_->setRange(0.5, 1000.0);
    gapChars_->setDecimals(1);
    gapChars_->setSingleStep(0.5);
    gapChars_->setValue(3.5);
    gapChars_->setSuffix(tr(" 字符"));
    sync_ = new QCheckBox(tr("起始位同步"), this);
    sync_->setObjectName(QStringLiteral("SyncStart"));
    sync_->setToolTip(tr("丢弃收到的字节，直到与起始位相符"));
    counts_ = new QLabel(this);
    counts_->setObjectName(QStringLiteral("JudgedCounts"));

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(check_, 0, 0);
    layout->addWidget(counts_, 0, 1, 1, 2);
    layout->addWidget(gap_, 1, 0);
    layout->addWidget(gapChars_, 1, 1);
    layout->addWidget(sync_, 1, 2);
    layout->setColumnStretch(3, 1);
}

ReceiveRules ReceiveRulesPanel::rules() const {
    ReceiveRules rules;
    rules.check = check_->isChecked();
    rules.gapChars = gap_->isChecked() ? gapChars_->value() : 0.0;
    rules.sync = sync_->isChecked();
    return rules;
}

void ReceiveRulesPanel::showCounts(int good, int bad) {
    counts_->setText(JudgedCountsText(good, bad));
}

void ReceiveRulesPanel::clearCounts() {
    counts_->clear();
}

}  // namespace comm
