#pragma once

#include <QStringList>

class QWidget;

// Every text a user can see on a window and its children that still holds Chinese: window
// titles, labels, buttons, tool tips, edit boxes, list, tree and combo items, menus and
// actions. For the tests that run a window in English.
QStringList ChineseTextsOn(const QWidget* window);
