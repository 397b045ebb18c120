#include "linesettings.h"

#include <QCoreApplication>
#include <algorithm>
#include <iterator>

namespace comm {

namespace {

// By the parity and stop-bits indexes of a file.
constexpr Parity kParityOfIndex[] = {Parity::Even, Parity::Odd, Parity::None};
constexpr StopBits kStopBitsOfIndex[] = {StopBits::One, StopBits::OneAndHalf, StopBits::Two};
// The parity words by the parity index. The Chinese is also what comm-cli reads in a shown text,
// whatever the interface language.
const char* const kParityWordSources[] = {QT_TRANSLATE_NOOP("LineSettings", "偶"),
                                          QT_TRANSLATE_NOOP("LineSettings", "奇"),
                                          QT_TRANSLATE_NOOP("LineSettings", "缺省")};

template <typename Table, typename Value>
int indexIn(const Table& table, const Value& value) {
    const auto it = std::find(std::begin(table), std::end(table), value);
    return it == std::end(table) ? -1 : int(it - std::begin(table));
}

int parityIndex(Parity parity) {
    return indexIn(kParityOfIndex, parity);
}

int stopBitsIndex(StopBits stopBits) {
    return indexIn(kStopBitsOfIndex, stopBits);
}

}  // namespace

QStringList ParityWords() {
    QStringList words;
    for (const char* source : kParityWordSources)
        words << QCoreApplication::translate("LineSettings", source);
    return words;
}

int ParityIndexOf(const QString& letterOrWord) {
    const int letter = kParityLetters.indexOf(letterOrWord);
    if (letter >= 0) return letter;
    const int word = ParityWords().indexOf(letterOrWord);
    if (word >= 0) return word;
    for (int i = 0; i < int(std::size(kParityWordSources)); ++i)
        if (letterOrWord == QString::fromUtf8(kParityWordSources[i])) return i;
    return -1;
}

QString ShownSettingsText(const QString& settingsText) {
    QStringList parts = settingsText.split(QLatin1Char(','));
    const int parity = kParityLetters.indexOf(parts.value(1));
    if (parts.size() != 4 || parity < 0) return settingsText;
    parts[1] = ParityWords().at(parity);
    return parts.join(QLatin1Char(','));
}

QString LineSettings::text() const {
    return QStringLiteral("%1,%2,%3,%4")
        .arg(baudRate)
        .arg(kParityLetters[parityIndex(parity)])
        .arg(dataBits)
        .arg(kStopBits[stopBitsIndex(stopBits)]);
}

QString LineSettings::shownText() const {
    return ShownSettingsText(text());
}

std::optional<SettingIndexes> LineSettings::indexes() const {
    const int baud = indexIn(kBaudRates, baudRate);
    const int data = indexIn(kDataBits, dataBits);
    if (baud < 0 || data < 0) return std::nullopt;
    SettingIndexes index{};
    index[kBaudIndex] = qint16(baud);
    index[kDataBitsIndex] = qint16(data);
    index[kParityIndex] = qint16(parityIndex(parity));
    index[kStopBitsIndex] = qint16(stopBitsIndex(stopBits));
    return index;
}

double LineSettings::bitsPerCharacter() const {
    double stop = 1.0;
    if (stopBits == StopBits::OneAndHalf) stop = 1.5;
    if (stopBits == StopBits::Two) stop = 2.0;
    return 1.0 + dataBits + (parity == Parity::None ? 0 : 1) + stop;
}

std::optional<LineSettings> LineSettings::fromIndexes(const SettingIndexes& index) {
    const auto inside = [&index](SettingIndex which, int size) {
        return index[which] >= 0 && index[which] < size;
    };
    if (!inside(kBaudIndex, int(kBaudRates.size())) ||
        !inside(kDataBitsIndex, int(kDataBits.size())) || !inside(kParityIndex, 3) ||
        !inside(kStopBitsIndex, 3))
        return std::nullopt;
    LineSettings s;
    s.baudRate = kBaudRates[index[kBaudIndex]];
    s.dataBits = kDataBits[index[kDataBitsIndex]];
    s.parity = kParityOfIndex[index[kParityIndex]];
    s.stopBits = kStopBitsOfIndex[index[kStopBitsIndex]];
    return s;
}

bool LineSettings::parse(const QString& text, LineSettings* settings, QString* error) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4) {
        *error = QCoreApplication::translate(
                     "LineSettings",
                     "串口设置“%1”格式不对，应为“波特率,校验,数据位,停止位”，例如“9600,O,8,1”")
                     .arg(text);
        return false;
    }
    const QString baudText = parts[0].trimmed();
    const QString parityText = parts[1].trimmed().toUpper();
    const QString dataText = parts[2].trimmed();
    const QString stopText = parts[3].trimmed();

    LineSettings parsed;
    bool digitsOnly = !baudText.isEmpty();
    for (const QChar c : baudText)
        digitsOnly = digitsOnly && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    bool ok = false;
    parsed.baudRate = baudText.toInt(&ok);
    if (!digitsOnly || !ok || parsed.baudRate <= 0) {
        *error =
            QCoreApplication::translate("LineSettings", "波特率“%1”无效，应为正整数").arg(baudText);
        return false;
    }
    const int parity = kParityLetters.indexOf(parityText);
    if (parity < 0) {
        *error = QCoreApplication::translate("LineSettings",
                                             "校验“%1”无效，应为 E（偶）、O（奇）或 N（无）")
                     .arg(parts[1].trimmed());
        return false;
    }
    parsed.parity = kParityOfIndex[parity];
    if (dataText.size() != 1 || dataText[0] < QLatin1Char('4') || dataText[0] > QLatin1Char('8')) {
        *error = QCoreApplication::translate("LineSettings", "数据位“%1”无效，应为 4 到 8")
                     .arg(dataText);
        return false;
    }
    parsed.dataBits = dataText.toInt();
    const int stop = kStopBits.indexOf(stopText);
    if (stop < 0) {
        *error = QCoreApplication::translate("LineSettings", "停止位“%1”无效，应为 1、1.5 或 2")
                     .arg(stopText);
        return false;
    }
    parsed.stopBits = kStopBitsOfIndex[stop];
    *settings = parsed;
    return true;
}

std::optional<LineSettings> LineSettings::fromListedText(const QString& text) {
    QStringList parts = text.split(QLatin1Char(','));
    const int parity = ParityIndexOf(parts.value(1));
    if (parts.size() != 4 || parity < 0) return std::nullopt;
    parts[1] = kParityLetters[parity];
    const QString componentText = parts.join(QLatin1Char(','));
    LineSettings s;
    QString error;
    if (!parse(componentText, &s, &error) || !s.indexes()) return std::nullopt;
    // The lenient reading took blanks and leading zeros: only the exact texts count here.
    if (componentText != s.text()) return std::nullopt;
    return s;
}

QVector<LineSettings> LineSettings::combinations(const QVector<int>& baudRates,
                                                 const QVector<Parity>& parities,
                                                 const QVector<int>& dataBits,
                                                 const QVector<StopBits>& stopBits) {
    QVector<LineSettings> all;
    all.reserve(baudRates.size() * parities.size() * dataBits.size() * stopBits.size());
    for (int baud : baudRates)
        for (Parity parity : parities)
            for (int bits : dataBits)
                for (StopBits stop : stopBits)
                    all.push_back(LineSettings{baud, parity, bits, stop});
    return all;
}

QVector<LineSettings> LineSettings::listed() {
    return combinations(QVector<int>(kBaudRates.begin(), kBaudRates.end()),
                        {std::begin(kParityOfIndex), std::end(kParityOfIndex)},
                        QVector<int>(kDataBits.begin(), kDataBits.end()),
                        {std::begin(kStopBitsOfIndex), std::end(kStopBitsOfIndex)});
}

}  // namespace comm
