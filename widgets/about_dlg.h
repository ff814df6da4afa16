#pragma once

#include <QDialog>

// The About box: the program's icon, name and version, a notice and the
// author, and "Aceptar". Laid out in dialog units of the dialog font; it ends
// with "Aceptar", Esc or the close box.
class CAboutDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
