#include "filedialogs.h"

#include <QFileDialog>
#include <QFileSystemModel>

namespace comm::ui {

namespace {

const QString kDottedNames = QStringLiteral("*.*");

// The patterns of "description(p1 p2)" stand in its last parentheses, blank-separated.
QStringList patternsOf(const QString& filter) {
    const qsizetype open = filter.lastIndexOf(QLatin1Char('('));
    const qsizetype close = filter.lastIndexOf(QLatin1Char(')'));
    if (open < 0 || close < open) return filter.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return filter.mid(open + 1, close - open - 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// The dialog gives its list the chosen filter's patterns as they are written; where they hold
// "*.*" the list gets "*" in its place, as the platform the filters were written for reads it.
void matchEveryName(const QFileDialog& dialog, QFileSystemModel& list) {
    QStringList patterns = patternsOf(dialog.selectedNameFilter());
    if (!patterns.contains(kDottedNames)) return;
    for (QString& pattern : patterns)
        if (pattern == kDottedNames) pattern = QStringLiteral("*");
    list.setNameFilters(patterns);
}

}  // namespace

std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* parent, const QString& title,
                                            const QString& folder, const QStringList& filters) {
    auto dialog = std::make_unique<QFileDialog>(parent, title, folder);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setNameFilters(filters);
    if (auto* list = dialog->findChild<QFileSystemModel*>()) {
        QFileDialog* shown = dialog.get();
        matchEveryName(*shown, *list);
        // Emitted once the dialog has given the list the patterns of the filter picked.
        QObject::connect(shown, &QFileDialog::filterSelected, list,
                         [shown, list] { matchEveryName(*shown, *list); });
    }
    return dialog;
}

QString RunFileDialog(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace comm::ui
