#include "gui/WidgetTranslation.h"

#include "language/CaptionTranslation.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

#include <optional>
#include <string>

namespace zentyra {

namespace {

std::optional<QString> Translated(const QString& caption, const TextList& list,
                                  std::size_t maxUnits) {
    const std::optional<std::string> text = TranslateCaption(caption.toStdString(), list, maxUnits);
    if (!text) return std::nullopt;
    return QString::fromStdString(*text);
}

void TranslateCaptionOf(QWidget& widget, const TextList& list) {
    if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        if (auto text = Translated(button->text(), list, kWindowCaptionUnits))
            button->setText(*text);
    } else if (auto* label = qobject_cast<QLabel*>(&widget)) {
        if (auto text = Translated(label->text(), list, kWindowCaptionUnits)) label->setText(*text);
    } else if (auto* group = qobject_cast<QGroupBox*>(&widget)) {
        if (auto text = Translated(group->title(), list, kWindowCaptionUnits))
            group->setTitle(*text);
    }
    if (widget.isWindow()) {
        if (auto text = Translated(widget.windowTitle(), list, kWindowCaptionUnits))
            widget.setWindowTitle(*text);
    }
}

} // namespace

void translateWindow(QWidget& window, const TextList& list) {
    // findChildren walks depth first in child order.
    for (QWidget* child : window.findChildren<QWidget*>())
        TranslateCaptionOf(*child, list);
    TranslateCaptionOf(window, list);
}

void translateMenu(QWidget& menu, const TextList& list) {
    for (QAction* action : menu.actions()) {
        if (action->isSeparator()) continue;
        if (auto text = Translated(action->text(), list, kMenuCaptionUnits)) action->setText(*text);
        if (QMenu* submenu = action->menu()) translateMenu(*submenu, list);
    }
}

} // namespace zentyra
