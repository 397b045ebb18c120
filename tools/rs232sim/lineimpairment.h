#pragma once

#include <QtGlobal>
#include <optional>
#include <random>

namespace rs232sim {

// The faults of one direction of a noisy line: each byte is lost with probability `drop`, else has
// one of its data bits flipped with probability `corrupt`. The same seed gives the same faults.
class LineImpairment {
public:
    LineImpairment(double corrupt, double drop, quint64 seed, int dataBits = 8);

    // What comes out of the line for one byte put in; nothing when it was lost.
    std::optional<char> carry(char byte);
    bool harmless() const { return corrupt_ <= 0.0 && drop_ <= 0.0; }

private:
    double corrupt_;
    double drop_;
    int dataBits_;
    std::mt19937_64 random_;
};

}  // namespace rs232sim
