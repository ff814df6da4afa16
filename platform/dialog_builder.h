#pragma once

#include <QString>
#include <QWidget>
#include <span>

#include "platform/dialog_item.h"
#include "platform/dialog_units.h"

class QLabel;

// Makes the control of a kHyperLink row: a static text of the floor above
// (the platform layer knows no web-address control of its own).
using HyperLinkFactory = QLabel* (*)(const QString& text, QWidget* parent);

// Creates the controls of `layout` as children of `dialog`, in layout order
// (so the focus chain follows it), each placed by `units` and stacked with
// the first row on top. A numbered control's objectName is its decimal
// identifier; the unnumbered ones stay unnamed. Texts come from the layout;
// hidden rows are hidden for good. Static texts, frames and pictures let
// mouse clicks through to what lies beneath, as static controls do. A
// kHyperLink row is made by `makeHyperLink` and centred. Button icons and
// fonts are the dialog's business at its initialisation.
void CreateDialogControls(QWidget& dialog, std::span<const DialogItem> layout,
                          const DialogBaseUnits& units, HyperLinkFactory makeHyperLink);

// The control that CreateDialogControls made for identifier `id` in
// `dialog`, or nullptr when there is none of that type.
template <typename Control = QWidget>
Control* ControlById(const QWidget& dialog, int id) {
    return dialog.findChild<Control*>(QString::number(id), Qt::FindDirectChildrenOnly);
}
