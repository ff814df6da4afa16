#pragma once

class QGroupBox;
class QString;
class QWidget;

// A group box drawn as the layout expects: an etched frame whose top line
// runs through the middle of the title, the title near the left corner, and
// everything inside the control's rectangle belonging to the frame (the
// controls it frames are its siblings, laid out in the same coordinates).
QGroupBox* CreateGroupBox(const QString& title, QWidget* parent);
