#include "mobs/COnlineHelp.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QVBoxLayout>

#include "app/Questions.h"

namespace tarnholt {

namespace {

QPointer<COnlineHelp>& helpWindow()
{
    static QPointer<COnlineHelp> window;
    return window;
}

} // namespace

COnlineHelp::COnlineHelp() : QWidget(nullptr, Qt::Window)
{
    setWindowTitle(QStringLiteral("Tarnholt Online Help"));
    setObjectName(QStringLiteral("onlineHelp"));
    // An open help window must not keep the program running once the main window is closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("helpText"));
    text_->setReadOnly(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    resize(480, 320);
}

COnlineHelp* COnlineHelp::window() { return helpWindow().data(); }

QString COnlineHelp::text() const { return text_->toPlainText(); }

bool COnlineHelp::showText(const QString& text, Questions& questions)
{
    QPointer<COnlineHelp>& window = helpWindow();
    if (window.isNull()) {
        // Windows can only be made while the program runs as a windowed application.
        auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
        if (application == nullptr) {
            questions.message("Unable to create the help dialog.");
            return false;
        }
        window = new COnlineHelp;
        QObject::connect(application, &QCoreApplication::aboutToQuit, application, [] {
            delete helpWindow().data();
        });
    }
    window->text_->setPlainText(text);
    window->show();
    window->raise();
    return true;
}

QString mobDescriptionHelpText()
{
    return QStringLiteral(
        "Mob Identifier\n"
        "The Identifier is the name by which this program knows an item, a monster or a room. It is "
        "used only inside the program: it links exits and doors to the rooms they lead to, and loads "
        "to the mobs and items they bring into the zone. It is never written to the generated area "
        "files, which use vnums instead. Every mob needs an Identifier of its own. An Identifier "
        "beginning with # names a mob by its vnum, such as #3012 or #3012 the baker.\n"
        "\n"
        "Name/Alias List\n"
        "The nouns by which a player can name this mob, separated by blanks, such as: guard captain "
        "soldier. A player may type any one of them to look at the mob, talk to it or attack it.");
}

} // namespace tarnholt
