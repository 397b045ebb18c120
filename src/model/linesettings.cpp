#include "linesettings.h"

#include <algorithm>

namespace comm {

namespace {

// By the parity and stop-bits indexes of a file.
constexpr Parity kParityOfIndex[] = {Parity::Even, Parity::Odd, Parity::None};
constexpr StopBits kStopBitsOfIndex[] = {StopBits::One, StopBits::OneAndHalf, StopBits::Two};

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

QString joined(const LineSettings& s, const QStringList& parityNames) {
    return QStringLiteral("%1,%2,%3,%4")
        .arg(s.baudRate)
        .arg(parityNames[parityIndex(s.parity)])
        .arg(s.dataBits)
        .arg(kStopBits[stopBitsIndex(s.stopBits)]);
}

}  // namespace

QString LineSettings::text() const {
    return joined(*this, kParityLetters);
}

QString LineSettings::shownText() const {
    return joined(*this, kParityWords);
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
        *error = QStringLiteral(
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
        *error = QStringLiteral("波特率“%1”无效，应为正整数").arg(baudText);
        return false;
    }
    const int parity = kParityLetters.indexOf(parityText);
    if (parity < 0) {
        *error =
            QStringLiteral("校验“%1”无效，应为 E（偶）、O（奇）或 N（无）").arg(parts[1].trimmed());
        return false;
    }
    parsed.parity = kParityOfIndex[parity];
    if (dataText.size() != 1 || dataText[0] < QLatin1Char('4') || dataText[0] > QLatin1Char('8')) {
        *error = QStringLiteral("数据位“%1”无效，应为 4 到 8").arg(dataText);
        return false;
    }
    parsed.dataBits = dataText.toInt();
    const int stop = kStopBits.indexOf(stopText);
    if (stop < 0) {
        *error = QStringLiteral("停止位“%1”无效，应为 1、1.5 或 2").arg(stopText);
        return false;
    }
    parsed.stopBits = kStopBitsOfIndex[stop];
    *settings = parsed;
    return true;
}

std::optional<LineSettings> LineSettings::fromListedText(const QString& text) {
    QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4) return std::nullopt;
    const int word = kParityWords.indexOf(parts[1]);
    if (word >= 0) parts[1] = kParityLetters[word];
    LineSettings s;
    QString error;
    if (!parse(parts.join(QLatin1Char(',')), &s, &error) || !s.indexes()) return std::nullopt;
    // The lenient reading took blanks, lower-case letters and leading zeros: only the exact
    // texts count here.
    if (text != s.text() && text != s.shownText()) return std::nullopt;
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
