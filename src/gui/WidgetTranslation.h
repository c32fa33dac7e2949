#pragma once
// Numbered captions of widgets and menus ("12-Informazioni Progetto") replaced by language
// strings, by the caption rule of the language layer.
#include <QList>

class QAction;
class QWidget;

namespace zentyra {

class TextList;

// Every descendant of window first (depth first, in child order), then window itself. Only
// widgets that show a caption are looked at: buttons, labels, group boxes, and the window
// title of top-level windows; edits and lists hold data, not captions.
void translateWindow(QWidget& window, const TextList& list);

// Every item of the menu (a QMenuBar or a QMenu), by position; items that open a submenu
// keep it and their command, and their submenu is translated with the same list.
void translateMenu(QWidget& menu, const TextList& list);

} // namespace zentyra
