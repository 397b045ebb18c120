#include "lineimpairment.h"

namespace rs232sim {

LineImpairment::LineImpairment(double corrupt, double drop, quint64 seed, int dataBits)
    : corrupt_(corrupt), drop_(drop), dataBits_(dataBits), random_(seed) {}

std::optional<char> LineImpairment::carry(char byte) {
    if (harmless()) return byte;
    if (drop_ > 0.0 && std::bernoulli_distribution(drop_)(random_)) return std::nullopt;
    if (corrupt_ > 0.0 && std::bernoulli_distribution(corrupt_)(random_)) {
        const int bit = std::uniform_int_distribution<int>(0, dataBits_ - 1)(random_);
        byte = char(quint8(byte) ^ quint8(1u << bit));
    }
    return byte;
}

}  // namespace rs232sim
