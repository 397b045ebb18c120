#include "framepanel.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "byteeditor.h"
#include "framechecksum.h"
#include "messages.h"
#include "texthelpers.h"

namespace comm {

namespace {

// Control names of the two sides: field character and hexadecimal rows, data character and
// hexadecimal columns, row numbers.
struct BoxNames {
    const char* fieldChar;
    const char* fieldHex;
    const char* dataChar;
    const char* dataHex;
    const char* rowNumber;
};
constexpr BoxNames kSendNames = {"Text3", "Text4", "Text5", "Text6", "Label7"};
constexpr BoxNames kRecvNames = {"Text7", "Text8", "Text9", "Text10", "Label10"};

QString indexed(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

const char* const kFieldItems[] = {QT_TRANSLATE_NOOP("comm::FramePanel", "起始符"),
                                   QT_TRANSLATE_NOOP("comm::FramePanel", "校验符"),
                                   QT_TRANSLATE_NOOP("comm::FramePanel", "结束符")};

// In the order of FramePanel::captions_.
const char* const kCaptions[] = {QT_TRANSLATE_NOOP("comm::FramePanel", "ASC字符"),
                                 QT_TRANSLATE_NOOP("comm::FramePanel", "十六进制"),
                                 QT_TRANSLATE_NOOP("comm::FramePanel", "数据位"),
                                 QT_TRANSLATE_NOOP("comm::FramePanel", "序号"),
                                 QT_TRANSLATE_NOOP("comm::FramePanel", "ASC字符(1位)"),
                                 QT_TRANSLATE_NOOP("comm::FramePanel", "十六进制(2位)")};

// A hidden box keeps its place, so the boxes that stay never move.
void keepPlaceWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

// Restores the refreshing mark on every way out of a refresh.
class RefreshScope {
public:
    explicit RefreshScope(int* depth) : depth_(depth) { ++*depth_; }
    ~RefreshScope() { --*depth_; }
    RefreshScope(const RefreshScope&) = delete;
    RefreshScope& operator=(const RefreshScope&) = delete;

private:
    int* depth_;
};

constexpr int kCharBoxWidth = 24;
constexpr int kHexBoxWidth = 30;

}  // namespace

FramePanel::FramePanel(CommDefinition& definition, FrameSide side, QWidget* parent)
    : QGroupBox(parent), definition_(definition), side_(side) {
    const int s = static_cast<int>(side);
    setObjectName(indexed("Frame2", s));
    keepPlaceWhenHidden(this);

    auto* layout = new QVBoxLayout(this);
    auto* fieldGrid = new QGridLayout;
    fieldGrid->setHorizontalSpacing(2);
    buildFieldRows(fieldGrid);
    layout->addLayout(fieldGrid);
    auto* dataGrid = new QGridLayout;
    dataGrid->setHorizontalSpacing(6);
    buildDataTable(dataGrid);
    layout->addLayout(dataGrid);
    layout->addStretch();

    connect(selector_, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int) { showField(); });
    connect(scrollBar_, &QScrollBar::valueChanged, this,
            [this](int value) { refreshDataRows(dataCount(), value); });
    new FrameByteEditor(this);
    retranslate();
}

void FramePanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QGroupBox::changeEvent(event);
}

void FramePanel::retranslate() {
    setTitle(side_ == FrameSide::Send ? tr("微机发送数据幀格式") : tr("微机接收数据幀格式"));
    for (int item = 0; item < selector_->count(); ++item)
        selector_->setItemText(item, tr(kFieldItems[item]));
    checksumButton_->setText(tr("计算校验"));
    checksumButton_->setToolTip(tr("由数据位计算校验和，写入校验位"));
    for (int c = 0; c < checksumActions_.size(); ++c)
        checksumActions_[c]->setText(Checksums()[c].caption());
    noChecksumAction_->setText(tr("不指定校验"));
    for (int c = 0; c < int(captions_.size()); ++c) captions_[c]->setText(tr(kCaptions[c]));
    // The counts once a refresh has shown them.
    if (!fieldCountLabel_->text().isEmpty())
        fieldCountLabel_->setText(countText(definition_.count(side_, selectedField())));
    if (!dataCountLabel_->text().isEmpty())
        dataCountLabel_->setText(countText(definition_.count(side_, Field::Data)));
    showCheckName();
}

QString FramePanel::countText(int count) const {
    return tr("(%1位)").arg(count);
}

void FramePanel::buildFieldRows(QGridLayout* grid) {
    const int s = static_cast<int>(side_);
    const BoxNames& names = side_ == FrameSide::Send ? kSendNames : kRecvNames;

    selector_ = new QComboBox(this);
    selector_->setObjectName(indexed("Combo1", s));
    for (int item = 0; item < int(std::size(kFieldItems)); ++item) selector_->addItem(QString());
    fieldCountLabel_ = new QLabel(this);
    fieldCountLabel_->setObjectName(indexed("Label4", s));
    grid->addWidget(selector_, 0, 0, 1, 4);
    grid->addWidget(fieldCountLabel_, 0, 4, 1, 3);

    checksumButton_ = new QToolButton(this);
    checksumButton_->setObjectName(indexed("CheckCalc", s));
    checksumButton_->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(checksumButton_);
    for (const ChecksumInfo& info : Checksums()) {
        QAction* action = menu->addAction(QString());
        action->setObjectName(QLatin1String(info.name));
        connect(action, &QAction::triggered, this, [this, &info] { fillChecksum(info); });
        checksumActions_ << action;
    }
    menu->addSeparator();
    noChecksumAction_ = menu->addAction(QString());
    noChecksumAction_->setObjectName(QStringLiteral("none"));
    connect(noChecksumAction_, &QAction::triggered, this, &FramePanel::clearCheckName);
    checksumButton_->setMenu(menu);
    checkNameLabel_ = new QLabel(this);
    checkNameLabel_->setObjectName(indexed("CheckName", s));
    auto* helper = new QHBoxLayout;
    helper->addWidget(checkNameLabel_);
    helper->addStretch();
    helper->addWidget(checksumButton_);
    grid->addLayout(helper, 0, 7, 1, 4);

    for (QLabel*& caption : captions_) caption = new QLabel(this);
    grid->addWidget(captions_[0], 1, 0);
    grid->addWidget(captions_[1], 2, 0);
    for (int k = 0; k < kFieldBoxes; ++k) {
        fieldChar_[k] = makeByteBox(indexed(names.fieldChar, k), kCharBoxWidth);
        fieldChar_[k]->setMaxLength(1);
        fieldHex_[k] = makeByteBox(indexed(names.fieldHex, k), kHexBoxWidth);
        fieldHex_[k]->setMaxLength(2);
        grid->addWidget(fieldChar_[k], 1, k + 1);
        grid->addWidget(fieldHex_[k], 2, k + 1);
    }
}

void FramePanel::buildDataTable(QGridLayout* grid) {
    const int s = static_cast<int>(side_);
    const BoxNames& names = side_ == FrameSide::Send ? kSendNames : kRecvNames;

    dataCountLabel_ = new QLabel(this);
    dataCountLabel_->setObjectName(indexed("Label9", s));
    grid->addWidget(captions_[2], 0, 0);
    grid->addWidget(dataCountLabel_, 0, 1);

    grid->addWidget(captions_[3], 1, 0, Qt::AlignCenter);
    grid->addWidget(captions_[4], 1, 1, Qt::AlignCenter);
    grid->addWidget(captions_[5], 1, 2, Qt::AlignCenter);
    for (int r = 0; r < kDataRows; ++r) {
        rowNumber_[r] = new QLabel(this);
        rowNumber_[r]->setObjectName(indexed(names.rowNumber, r));
        rowNumber_[r]->setAlignment(Qt::AlignCenter);
        dataChar_[r] = makeByteBox(indexed(names.dataChar, r), kCharBoxWidth);
        dataChar_[r]->setMaxLength(1);
        dataHex_[r] = makeByteBox(indexed(names.dataHex, r), kHexBoxWidth);
        dataHex_[r]->setMaxLength(2);
        grid->addWidget(rowNumber_[r], r + 2, 0);
        grid->addWidget(dataChar_[r], r + 2, 1, Qt::AlignCenter);
        grid->addWidget(dataHex_[r], r + 2, 2, Qt::AlignCenter);
    }
    scrollBar_ = new QScrollBar(Qt::Vertical, this);
    scrollBar_->setObjectName(indexed("VScroll1", s));
    scrollBar_->setSingleStep(1);
    scrollBar_->setPageStep(1);
    grid->addWidget(scrollBar_, 2, 3, kDataRows, 1);
    grid->setColumnStretch(4, 1);
}

QLineEdit* FramePanel::makeByteBox(const QString& name, int width) {
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    box->setFixedWidth(width);
    box->setAlignment(Qt::AlignCenter);
    keepPlaceWhenHidden(box);
    return box;
}

Field FramePanel::fieldOfItem(int item) {
    switch (item) {
        case 1:
            return Field::Check;
        case 2:
            return Field::End;
        default:
            return Field::Start;
    }
}

Field FramePanel::selectedField() const {
    return fieldOfItem(selector_->currentIndex());
}

int FramePanel::fieldCount() const {
    return qBound(0, definition_.count(side_, selectedField()), kFieldCapacity);
}

int FramePanel::dataCount() const {
    return qBound(0, definition_.count(side_, Field::Data), kDataCapacity);
}

int FramePanel::dataEntry(int row) const {
    return (scrollBar_->isEnabled() ? scrollBar_->value() : 0) + row;
}

qint16* FramePanel::fieldValues() const {
    return definition_.values(side_, selectedField());
}

qint16* FramePanel::dataValues() const {
    return definition_.values(side_, Field::Data);
}

void FramePanel::showEntry(QLineEdit* charBox, QLineEdit* hexBox, qint16 value) {
    if (value < 0) {
        charBox->clear();
        hexBox->clear();
        return;
    }
    hexBox->setText(HexText(value));
    charBox->setText(ByteCharText(value));
}

void FramePanel::refresh() {
    const RefreshScope scope(&refreshing_);
    showField();
    const int count = dataCount();
    showDataRows(count);
    refreshDataRows(count, scrollBar_->value());
    dataCountLabel_->setText(countText(definition_.count(side_, Field::Data)));
    showCheckName();
}

void FramePanel::showCheckName() {
    const std::optional<Checksum> name = definition_.checkName(side_);
    checkNameLabel_->setText(name ? tr("校验: %1").arg(ChecksumOf(*name).caption()) : QString());
}

void FramePanel::showField() {
    const RefreshScope scope(&refreshing_);
    const int count = fieldCount();
    showFieldBoxes(count);
    const qint16* values = fieldValues();
    for (int k = 0; k < count; ++k) showEntry(fieldChar_[k], fieldHex_[k], values[k]);
    fieldCountLabel_->setText(countText(definition_.count(side_, selectedField())));
}

void FramePanel::fillChecksum(const ChecksumInfo& info) {
    const ChecksumFill fill = FillFrameChecksum(&definition_, side_, info.kind);
    if (fill != ChecksumFill::Written) {
        ui::ShowMessage(this,
                        ChecksumFillMessage(fill, info, definition_.count(side_, Field::Check)),
                        ui::MessageIcon::Exclamation);
        return;
    }
    definition_.FrameCheckName[static_cast<int>(side_)] = info.kind;
    showCheckName();
    if (selector_->currentIndex() != 1)
        selector_->setCurrentIndex(1);  // shows the field through the selector's change
    else
        showField();
}

void FramePanel::clearCheckName() {
    definition_.FrameCheckName[static_cast<int>(side_)].reset();
    showCheckName();
}

void FramePanel::dataEdited() {
    const std::optional<Checksum> name = definition_.checkName(side_);
    if (side_ != FrameSide::Send || !name) return;
    if (FillFrameChecksum(&definition_, side_, *name) == ChecksumFill::DataIncomplete) {
        qint16* check = definition_.values(side_, Field::Check);
        const int n = qMin(ChecksumOf(*name).bytes,
                           qBound(0, definition_.count(side_, Field::Check), kFieldCapacity));
        std::fill(check, check + n, kNotEntered);
    }
    if (selectedField() == Field::Check) showField();
}

void FramePanel::showFieldBoxes(int count) {
    for (int k = 0; k < kFieldBoxes; ++k) {
        fieldChar_[k]->setVisible(k < count);
        fieldHex_[k]->setVisible(k < count);
    }
}

void FramePanel::showDataRows(int count) {
    const RefreshScope scope(&refreshing_);
    if (count > kDataRows) {
        scrollBar_->setRange(0, count - kDataRows);
        scrollBar_->setEnabled(true);
        for (int r = 0; r < kDataRows; ++r) {
            dataChar_[r]->setVisible(true);
            dataHex_[r]->setVisible(true);
        }
        return;
    }
    for (int r = 0; r < kDataRows; ++r) {
        const bool shown = r < count;
        dataChar_[r]->setVisible(shown);
        dataHex_[r]->setVisible(shown);
        rowNumber_[r]->setText(shown ? QString::number(r + 1) : QString());
    }
    scrollBar_->setRange(0, 0);
    scrollBar_->setEnabled(false);
}

void FramePanel::refreshDataRows(int count, int first) {
    const RefreshScope scope(&refreshing_);
    const qint16* values = dataValues();
    count = qBound(0, count, kDataCapacity);
    if (count < kDataRows) first = 0;
    first = qBound(0, first, qMax(0, count - kDataRows));
    const int rows = qMin(count, int(kDataRows));
    for (int r = 0; r < rows; ++r) {
        rowNumber_[r]->setText(QString::number(first + r + 1));
        showEntry(dataChar_[r], dataHex_[r], values[first + r]);
    }
}

}  // namespace comm
