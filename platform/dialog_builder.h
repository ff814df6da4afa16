#pragma once

#include <span>

#include "app/dialog_template.h"
#include "app/dialog_units.h"

class QWidget;

// Creates the controls of `layout` as children of `dialog`, in layout order
// (so the focus chain follows it), each placed by `units` and stacked with
// the first row on top. A numbered control's objectName is its decimal
// identifier; the unnumbered ones stay unnamed. Texts come from the layout;
// hidden rows are hidden for good. Static texts, frames and pictures let
// mouse clicks through to what lies beneath, as static controls do. Button
// icons and fonts are the dialog's business at its initialisation.
void CreateDialogControls(QWidget& dialog, std::span<const DialogItem> layout,
                          const DialogBaseUnits& units);
