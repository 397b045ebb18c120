#include "commkind.h"

#include <QCoreApplication>
#include <iterator>

namespace comm {

namespace {

// Kind 3 keeps a delay in its file and shows it, yet its run always pauses a fixed 100 ms before
// sending; only kind 4 adds the delay to its pause.
constexpr CommKindRules kKinds[] = {
    {1, QT_TRANSLATE_NOOP("CommKind", "发送数据后不向微机回送数据"), true, false, false, false,
     false, true},
    {2, QT_TRANSLATE_NOOP("CommKind", "接收数据后不向下位机回送数据"), false, true, false, false,
     true, false},
    {3, QT_TRANSLATE_NOOP("CommKind", "发送数据后向微机回送数据"), true, true, true, false, true,
     false},
    {4, QT_TRANSLATE_NOOP("CommKind", "接收数据后向下位机回送数据"), true, true, true, true, false,
     true},
};
constexpr CommKindRules kNoKind{};

}  // namespace

bool IsCommKind(int number) {
    return number >= 1 && number <= int(std::size(kKinds));
}

const CommKindRules& KindRules(int number) {
    return IsCommKind(number) ? kKinds[number - 1] : kNoKind;
}

QString KindWords(int number) {
    if (!IsCommKind(number)) return {};
    return QCoreApplication::translate("CommKind", KindRules(number).words);
}

QString KindLine(int number) {
    if (!IsCommKind(number)) return {};
    return QStringLiteral("1.") + KindWords(number);
}

}  // namespace comm
