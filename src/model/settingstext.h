#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace comm {

// Index order of PortSettingIndex.
enum SettingIndex { kBaudIndex = 0, kDataBitsIndex = 1, kParityIndex = 2, kStopBitsIndex = 3 };

constexpr std::array<int, 13> kBaudRates = {110,  300,   600,   1200,  2400,  4800,  9600,
                                            14400, 19200, 28800, 38400, 57600, 115200};
constexpr std::array<int, 5> kDataBits = {4, 5, 6, 7, 8};
// Indexed by the parity index: even, odd, none.
inline const QStringList kParityLetters = {QStringLiteral("E"), QStringLiteral("O"),
                                           QStringLiteral("N")};
inline const QStringList kParityWords = {QStringLiteral("偶"), QStringLiteral("奇"),
                                         QStringLiteral("缺省")};
inline const QStringList kStopBits = {QStringLiteral("1"), QStringLiteral("1.5"),
                                      QStringLiteral("2")};

using SettingIndexes = std::array<qint16, 4>;

// True when every index lies inside its table.
bool SettingIndexesValid(const SettingIndexes& index);
// "9600,O,8,1" (the serial component's form); empty when an index is out of range.
QString SettingsFromIndexes(const SettingIndexes& index);
// "9600,奇,8,1" (the form shown to the user); empty when an index is out of range.
QString SettingsTextFromIndexes(const SettingIndexes& index);
// Splits either form back into indexes; false (and *index untouched) for anything else.
bool IndexesFromSettings(const QString& text, SettingIndexes* index);
// The shown form of a component-form text (letters become words); empty when malformed.
QString SettingsTextFromSettings(const QString& settings);

}  // namespace comm
