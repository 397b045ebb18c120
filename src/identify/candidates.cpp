#include "candidates.h"

namespace comm {

CandidateLists CandidateLists::standard() {
    return {{115200, 57600, 28800, 19200, 14400, 9600, 4800, 2400, 1200},
            {Parity::Even, Parity::Odd},
            {6, 7, 8},
            {StopBits::One}};
}

CandidateLists CandidateLists::extended() {
    CandidateLists c = standard();
    c.baudRates.insert(2, 38400);
    c.parities.append(Parity::None);
    c.stopBits.append(StopBits::Two);
    return c;
}

int CandidateLists::size(int list) const {
    switch (list) {
        case 0:
            return int(baudRates.size());
        case 1:
            return int(parities.size());
        case 2:
            return int(dataBits.size());
        default:
            return int(stopBits.size());
    }
}

int CandidateLists::total() const {
    return size(0) * size(1) * size(2) * size(3);
}

QStringList CandidateLists::entries(int list) const {
    // Each entry is its field of a candidate's text, "115200,E,6,1".
    QStringList out;
    for (int i = 0; i < size(list); ++i) {
        std::array<int, 4> at{};
        at[list] = i;
        out << candidate(at).text().section(QLatin1Char(','), list, list);
    }
    return out;
}

LineSettings CandidateLists::candidate(const std::array<int, 4>& indexes) const {
    return {baudRates.value(indexes[0]), parities.value(indexes[1]), dataBits.value(indexes[2]),
            stopBits.value(indexes[3])};
}

QVector<LineSettings> CandidateLists::all() const {
    return LineSettings::combinations(baudRates, parities, dataBits, stopBits);
}

}  // namespace comm
