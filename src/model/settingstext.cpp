#include "settingstext.h"

#include <algorithm>

namespace comm {

namespace {
template <typename Table, typename Value>
int indexOf(const Table& table, const Value& v) {
    auto it = std::find(table.begin(), table.end(), v);
    return it == table.end() ? -1 : int(it - table.begin());
}

QString join(const SettingIndexes& index, const QStringList& parityNames) {
    if (!SettingIndexesValid(index)) return {};
    return QStringLiteral("%1,%2,%3,%4")
        .arg(kBaudRates[index[kBaudIndex]])
        .arg(parityNames[index[kParityIndex]])
        .arg(kDataBits[index[kDataBitsIndex]])
        .arg(kStopBits[index[kStopBitsIndex]]);
}
}  // namespace

bool SettingIndexesValid(const SettingIndexes& index) {
    return index[kBaudIndex] >= 0 && index[kBaudIndex] < int(kBaudRates.size()) &&
           index[kDataBitsIndex] >= 0 && index[kDataBitsIndex] < int(kDataBits.size()) &&
           index[kParityIndex] >= 0 && index[kParityIndex] < kParityLetters.size() &&
           index[kStopBitsIndex] >= 0 && index[kStopBitsIndex] < kStopBits.size();
}

QString SettingsFromIndexes(const SettingIndexes& index) { return join(index, kParityLetters); }

QString SettingsTextFromIndexes(const SettingIndexes& index) { return join(index, kParityWords); }

bool IndexesFromSettings(const QString& text, SettingIndexes* index) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4) return false;
    bool ok = false;
    const int baud = indexOf(kBaudRates, parts[0].toInt(&ok));
    if (!ok || parts[0] != QString::number(parts[0].toInt())) return false;
    int parity = kParityLetters.indexOf(parts[1]);
    if (parity < 0) parity = kParityWords.indexOf(parts[1]);
    const int dataBits = parts[2].size() == 1 ? indexOf(kDataBits, parts[2].toInt(&ok)) : -1;
    const int stop = kStopBits.indexOf(parts[3]);
    if (baud < 0 || parity < 0 || !ok || dataBits < 0 || stop < 0) return false;
    (*index)[kBaudIndex] = qint16(baud);
    (*index)[kDataBitsIndex] = qint16(dataBits);
    (*index)[kParityIndex] = qint16(parity);
    (*index)[kStopBitsIndex] = qint16(stop);
    return true;
}

QString SettingsTextFromSettings(const QString& settings) {
    SettingIndexes index{};
    if (!IndexesFromSettings(settings, &index)) return {};
    return SettingsTextFromIndexes(index);
}

}  // namespace comm
