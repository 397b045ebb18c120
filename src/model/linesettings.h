#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <QtGlobal>
#include <array>
#include <optional>

namespace comm {

enum class Parity { None, Even, Odd };
enum class StopBits { One, OneAndHalf, Two };

// Index order of PortSettingIndex, as a communication file stores the four indexes.
enum SettingIndex { kBaudIndex = 0, kDataBitsIndex = 1, kParityIndex = 2, kStopBitsIndex = 3 };
using SettingIndexes = std::array<qint16, 4>;

// The lists the indexes point into, in index order; the settings lists of the dialogs show them.
constexpr std::array<int, 13> kBaudRates = {110,   300,   600,   1200,  2400,  4800,  9600,
                                            14400, 19200, 28800, 38400, 57600, 115200};
constexpr std::array<int, 5> kDataBits = {4, 5, 6, 7, 8};
// Indexed by the parity index: even, odd, none. The letters are the serial component's.
inline const QStringList kParityLetters = {QStringLiteral("E"), QStringLiteral("O"),
                                           QStringLiteral("N")};
inline const QStringList kStopBits = {QStringLiteral("1"), QStringLiteral("1.5"),
                                      QStringLiteral("2")};

// The parity words of the shown settings text in the interface language, by the parity index.
QStringList ParityWords();
// The parity index of a letter (either case) or of a parity word, Chinese or of the interface
// language; -1 for anything else.
int ParityIndexOf(const QString& letterOrWord);
// The one way a component settings text becomes the text the user sees: "9600,O,8,1" gives
// "9600,奇,8,1" (in English "9600,Odd,8,1"). A parity letter not in the list stays as it is.
QString ShownSettingsText(const QString& settingsText);

// The serial settings of one line: baud rate, parity, data bits, stop bits. A plain value that
// the communication, the monitor, the serial layer and the simulator share; it converts to and
// from the serial component's text "9600,O,8,1", the shown text "9600,奇,8,1" and the indexes of
// a communication file. Any positive baud rate is a value; only the listed ones have indexes.
struct LineSettings {
    int baudRate = 9600;
    Parity parity = Parity::None;
    int dataBits = 8;
    StopBits stopBits = StopBits::One;

    // "9600,O,8,1": baud, parity letter, data bits, stop bits.
    QString text() const;
    // "9600,奇,8,1": ShownSettingsText of text().
    QString shownText() const;
    // The indexes a communication file stores; none when a value is not in its list.
    std::optional<SettingIndexes> indexes() const;
    // Bits one character occupies on the line: start bit, data bits, parity bit if any, stop bits.
    double bitsPerCharacter() const;

    // The settings of file indexes; none when an index lies outside its list.
    static std::optional<LineSettings> fromIndexes(const SettingIndexes& index);
    // Reads a component text as the serial component takes it: any positive decimal baud rate,
    // parity E, O or N (either case), data bits 4..8, stop bits 1, 1.5 or 2, blanks around a
    // field allowed. On failure returns false, leaves *settings untouched and puts a message for
    // the user into *error.
    static bool parse(const QString& text, LineSettings* settings, QString* error);
    // Reads either text exactly as text() or shownText() writes it, every value from its list;
    // none for anything else. The Chinese shown text is read in every interface language.
    static std::optional<LineSettings> fromListedText(const QString& text);

    // Every combination of the given values, the baud rates outermost and the stop bits
    // innermost: {9600, 4800} x {E} x {7, 8} x {1} gives 9600,E,7,1; 9600,E,8,1; 4800,E,7,1; ...
    static QVector<LineSettings> combinations(const QVector<int>& baudRates,
                                              const QVector<Parity>& parities,
                                              const QVector<int>& dataBits,
                                              const QVector<StopBits>& stopBits);
    // Every setting a communication file can hold, in the order of combinations().
    static QVector<LineSettings> listed();

    friend bool operator==(const LineSettings& a, const LineSettings& b) {
        return a.baudRate == b.baudRate && a.parity == b.parity && a.dataBits == b.dataBits &&
               a.stopBits == b.stopBits;
    }
    friend bool operator!=(const LineSettings& a, const LineSettings& b) { return !(a == b); }
};

}  // namespace comm
