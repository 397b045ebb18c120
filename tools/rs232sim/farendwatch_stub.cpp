#include "farendwatch.h"

namespace rs232sim {

// No way to hear of a far program's closes here: the end stays as that program left it.
struct FarEndWatch::Impl {};

FarEndWatch::FarEndWatch(const QString&, QObject* parent) : QObject(parent), impl_(new Impl) {}

FarEndWatch::~FarEndWatch() {
    delete impl_;
}

}  // namespace rs232sim
