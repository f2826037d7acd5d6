#pragma once

#include <QDialog>

namespace tarnholt {

/// "About Tarnholt": the program icon, its name and version, and OK.
class CAboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDialog(QWidget* parent = nullptr);
};

} // namespace tarnholt
