#include "candidates.h"

namespace comm {

CandidateLists CandidateLists::standard() {
    CandidateLists c;
    c.lists[0] =
        QStringList{"115200", "57600", "28800", "19200", "14400", "9600", "4800", "2400", "1200"};
    c.lists[1] = QStringList{"E", "O"};
    c.lists[2] = QStringList{"6", "7", "8"};
    c.lists[3] = QStringList{"1"};
    return c;
}

CandidateLists CandidateLists::extended() {
    CandidateLists c = standard();
    c.lists[0].insert(2, QStringLiteral("38400"));
    c.lists[1].append(QStringLiteral("N"));
    c.lists[3].append(QStringLiteral("2"));
    return c;
}

int CandidateLists::total() const {
    int n = 1;
    for (const QStringList& list : lists) n *= int(list.size());
    return n;
}

QString CandidateLists::settings(const std::array<int, 4>& indexes) const {
    QStringList parts;
    for (int i = 0; i < 4; ++i) parts << lists[i].value(indexes[i]);
    return parts.join(QLatin1Char(','));
}

QStringList CandidateLists::all() const {
    QStringList out;
    for (int b = 0; b < lists[0].size(); ++b)
        for (int p = 0; p < lists[1].size(); ++p)
            for (int d = 0; d < lists[2].size(); ++d)
                for (int s = 0; s < lists[3].size(); ++s) out << settings({b, p, d, s});
    return out;
}

}  // namespace comm
