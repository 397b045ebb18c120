#include "settingsdialog.h"

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

QStringList baudItems() {
    QStringList items;
    for (int rate : kBaudRates) items << QString::number(rate);
    return items;
}

QStringList dataBitItems() {
    QStringList items;
    for (int bits : kDataBits) items << QString::number(bits);
    return items;
}

// Selects the item with the given text; a text that is not in the list leaves the choice alone,
// since the lists only ever hold values the serial line can be set to.
void choose(QComboBox* list, const QString& text) {
    const int index = list->findText(text.trimmed());
    if (index >= 0) list->setCurrentIndex(index);
}

}  // namespace

SettingsDialog::SettingsDialog(const QString& settingsText, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(tr("通讯设置"));
    setModal(true);
    ui::GiveFocusOnHoverWithin(this);

    auto* panel = new QGroupBox(tr("通讯端口设置"), this);
    auto* grid = new QGridLayout(panel);
    const QString captions[] = {tr("波特率："), tr("数据位："), tr("校验位："), tr("停止位：")};
    const QStringList items[] = {baudItems(), dataBitItems(), ParityWords(), kStopBits};
    for (int i = 0; i < 4; ++i) {
        auto* list = new QComboBox(panel);
        list->setObjectName(QStringLiteral("Combo1_%1").arg(i));
        list->setEditable(false);
        list->addItems(items[i]);
        auto* caption = new QLabel(captions[i], panel);
        caption->setBuddy(list);
        grid->addWidget(caption, i, 0);
        grid->addWidget(list, i, 1);
        lists_[i] = list;
    }

    auto* confirmButton = new QPushButton(tr("确认[&F]"), this);
    confirmButton->setObjectName(QStringLiteral("Command1"));
    confirmButton->setDefault(true);
    auto* abandonButton = new QPushButton(tr("放弃[&X]"), this);
    abandonButton->setObjectName(QStringLiteral("Command2"));
    connect(confirmButton, &QPushButton::clicked, this, &SettingsDialog::confirm);
    connect(abandonButton, &QPushButton::clicked, this, &SettingsDialog::abandon);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(confirmButton);
    buttons->addWidget(abandonButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addLayout(buttons);

    showSettings(settingsText);
}

std::optional<LineSettings> SettingsDialog::edit(const QString& settingsText, QWidget* parent) {
    SettingsDialog dialog(settingsText, parent);
    dialog.exec();
    return dialog.chosen();
}

void SettingsDialog::showSettings(const QString& text) {
    choose(lists_[BaudList], QStringLiteral("9600"));
    choose(lists_[DataBitsList], QStringLiteral("8"));
    lists_[ParityList]->setCurrentIndex(ParityIndexOf(QStringLiteral("O")));
    choose(lists_[StopBitsList], QStringLiteral("1"));
    if (text.isEmpty()) return;

    // The text's order is baud, parity, data bits, stop bits; the parity a letter or a word
    // (shown texts made before the language changed hold the other language's word).
    const QStringList parts = text.split(QLatin1Char(','));
    choose(lists_[BaudList], parts.value(0));
    const int parity = ParityIndexOf(parts.value(1).trimmed());
    if (parity >= 0) lists_[ParityList]->setCurrentIndex(parity);
    choose(lists_[DataBitsList], parts.value(2));
    choose(lists_[StopBitsList], parts.mid(3).join(QLatin1Char(',')));
}

void SettingsDialog::confirm() {
    SettingIndexes index{};
    index[kBaudIndex] = qint16(lists_[BaudList]->currentIndex());
    index[kDataBitsIndex] = qint16(lists_[DataBitsList]->currentIndex());
    index[kParityIndex] = qint16(lists_[ParityList]->currentIndex());
    index[kStopBitsIndex] = qint16(lists_[StopBitsList]->currentIndex());
    chosen_ = LineSettings::fromIndexes(index);
    accept();
}

void SettingsDialog::abandon() {
    chosen_.reset();
    reject();
}

}  // namespace comm
