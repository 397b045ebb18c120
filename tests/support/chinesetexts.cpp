#include "chinesetexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTreeWidget>

namespace {

void take(QStringList& found, const QWidget* widget, const QString& text) {
    static const QRegularExpression chinese(
        QStringLiteral("[\\x{3000}-\\x{303f}\\x{4e00}-\\x{9fff}"
                       "\\x{ff00}-\\x{ffef}]"));
    if (text.contains(chinese)) found << widget->objectName() + QStringLiteral(": ") + text;
}

void takeWidget(QStringList& found, const QWidget* w) {
    take(found, w, w->windowTitle());
    take(found, w, w->toolTip());
    if (const auto* label = qobject_cast<const QLabel*>(w)) take(found, w, label->text());
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        take(found, w, button->text());
    if (const auto* group = qobject_cast<const QGroupBox*>(w)) take(found, w, group->title());
    if (const auto* edit = qobject_cast<const QLineEdit*>(w)) take(found, w, edit->text());
    if (const auto* text = qobject_cast<const QPlainTextEdit*>(w))
        take(found, w, text->toPlainText());
    if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
        for (int i = 0; i < combo->count(); ++i) take(found, w, combo->itemText(i));
    }
    if (const auto* list = qobject_cast<const QListWidget*>(w)) {
        for (int i = 0; i < list->count(); ++i) take(found, w, list->item(i)->text());
    }
    if (const auto* tree = qobject_cast<const QTreeWidget*>(w)) {
        for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(tree)); *it; ++it)
            take(found, w, (*it)->text(0));
    }
    if (const auto* menu = qobject_cast<const QMenu*>(w)) take(found, w, menu->title());
    for (const QAction* action : w->actions()) {
        take(found, w, action->text());
        take(found, w, action->toolTip());
    }
}

}  // namespace

QStringList ChineseTextsOn(const QWidget* window) {
    QStringList found;
    takeWidget(found, window);
    for (const QWidget* child : window->findChildren<QWidget*>()) takeWidget(found, child);
    return found;
}
