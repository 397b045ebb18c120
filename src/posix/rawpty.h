#pragma once

#include <QString>

namespace comm {

// A pseudo-terminal in raw mode: the master for whoever plays the line or the device, the slave
// path for a serial program to open. Every byte passes unchanged both ways, the master never
// blocks, and programs started later inherit neither end. The slave stays open here as well, so
// the line keeps bytes while the program has its port closed. Closing (or destroying) closes both
// ends: a program holding the slave then sees its device go away.
class RawPty {
public:
    RawPty() = default;
    ~RawPty();
    RawPty(const RawPty&) = delete;
    RawPty& operator=(const RawPty&) = delete;

    // False with the reason in *error (when given) if no pseudo-terminal can be had.
    bool open(QString* error = nullptr);
    void close();

    bool isOpen() const { return master_ >= 0; }
    int master() const { return master_; }
    int slave() const { return slave_; }
    QString slavePath() const { return slavePath_; }

private:
    int master_ = -1;
    int slave_ = -1;
    QString slavePath_;
};

}  // namespace comm
