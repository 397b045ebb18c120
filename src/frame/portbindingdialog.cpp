#include "portbindingdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "portdirectory.h"
#include "portmap.h"

namespace comm {

namespace {
QString Automatic() {
    return PortBindingDialog::tr("自动");
}

QString BindingName(const SerialDevice& device) {
    return device.id.isEmpty() ? device.path : device.id;
}
}  // namespace

PortBindingDialog::PortBindingDialog(PortDirectory& directory, QWidget* parent)
    : QDialog(parent), directory_(directory) {
    setObjectName(QStringLiteral("PortBindingDialog"));
    setWindowTitle(tr("串口对应设备"));
    auto* grid = new QGridLayout(this);
    for (int item = 1; item <= 4; ++item) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(QStringLiteral("binding%1").arg(item));
        // A typed path is taken as it is; pressing Enter must not add it to the list.
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setMinimumContentsLength(40);
        auto* now = new QLabel(this);
        now->setObjectName(QStringLiteral("current%1").arg(item));
        grid->addWidget(new QLabel(PortItemName(item), this), item - 1, 0);
        grid->addWidget(combo, item - 1, 1);
        grid->addWidget(now, item - 1, 2);
        choosers_[size_t(item - 1)] = combo;
        now_[size_t(item - 1)] = now;
        combo->setCurrentText(Automatic());
    }
    auto* note = new QLabel(tr("选“自动”时，各串口依次对应检测到的设备（主板串口在前）。"
                               "环境变量 RS232_COM1..4 优先于这里的选择。"),
                            this);
    note->setWordWrap(true);
    grid->addWidget(note, 4, 0, 1, 3);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    grid->addWidget(buttons, 5, 0, 1, 3);

    for (int item = 1; item <= 4; ++item) {
        const QString bound = directory_.binding(item);
        if (!bound.isEmpty()) choosers_[size_t(item - 1)]->setCurrentText(bound);
    }
    fill();
    connect(&directory_, &PortDirectory::changed, this, &PortBindingDialog::fill);
}

QString PortBindingDialog::chosen(int item) const {
    const QComboBox* combo = chooser(item);
    const QString text = combo->currentText().trimmed();
    if (text.isEmpty() || text == Automatic()) return {};
    const int index = combo->findText(text);
    return index >= 0 ? combo->itemData(index).toString() : text;
}

// Rebuilds every list from the devices there are now, keeping what each one shows chosen.
void PortBindingDialog::fill() {
    const QList<SerialDevice> devices = directory_.devices();
    const std::array<PortChoice, 4> choices = directory_.choices();
    for (int item = 1; item <= 4; ++item) {
        QComboBox* combo = chooser(item);
        const QString keep = chosen(item);
        combo->clear();
        combo->addItem(Automatic(), QString());
        for (const SerialDevice& device : devices)
            combo->addItem(DeviceLabel(device), BindingName(device));
        const int index = keep.isEmpty() ? 0 : combo->findData(keep);
        if (index >= 0)
            combo->setCurrentIndex(index);
        else
            combo->setCurrentText(keep);
        const PortChoice& choice = choices[size_t(item - 1)];
        now_[size_t(item - 1)]->setText(tr("现在：") + PortChoiceText(choice));
        // The variable wins over any binding: the item is fixed while it is set.
        combo->setEnabled(choice.source != PortSource::Variable);
    }
}

void PortBindingDialog::accept() {
    for (int item = 1; item <= 4; ++item) directory_.setBinding(item, chosen(item));
    QDialog::accept();
}

}  // namespace comm
