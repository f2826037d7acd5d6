#include "app/CAboutDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "app/CTarnholtIcon.h"

namespace tarnholt {

CAboutDialog::CAboutDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About Tarnholt"));

    auto icon = new QLabel(this);
    icon->setPixmap(CTarnholtIcon::icon().pixmap(32, 32));
    auto text = new QLabel(QStringLiteral("Tarnholt ver. 2.15"), this);
    text->setObjectName(QStringLiteral("versionText"));

    auto buttons = new QDialogButtonBox(this);
    auto ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto row = new QHBoxLayout;
    row->addWidget(icon);
    row->addSpacing(12);
    row->addWidget(text, 1);
    auto layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace tarnholt
