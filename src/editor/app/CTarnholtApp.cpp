#include "app/CTarnholtApp.h"

#include <QCommandLineParser>
#include <QSettings>

#include "app/CMainFrame.h"
#include "app/CTarnholtDoc.h"
#include "app/CTarnholtIcon.h"
#include "settings/CSettingsStore.h"
#include "settings/DisplaySettings.h"
#include "universe/TemplateLibrary.h"

namespace tarnholt {

CTarnholtApp::CTarnholtApp(int& argc, char** argv) : application_(argc, argv)
{
    QApplication::setOrganizationName(CSettingsStore::organisation());
    QApplication::setApplicationName(QStringLiteral("Tarnholt"));
    QApplication::setApplicationVersion(QStringLiteral("2.15"));
    QApplication::setWindowIcon(CTarnholtIcon::icon());
}

CTarnholtApp::~CTarnholtApp()
{
    // The window goes before the document it shows.
    frame_.reset();
    doc_.reset();
}

bool CTarnholtApp::InitInstance()
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Tarnholt, the zone editor"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The world document (*.rlm) to open."),
                                 QStringLiteral("[file]"));
    parser.process(application_);
    const QStringList arguments = parser.positionalArguments();

    {
        auto store = CSettingsStore::open();
        CSettingsStore::loadColors(*store, displaySettings());
    }
    // The library's file is "template.dat" in the folder the program was started in.
    TemplateLibrary::instance().load(questions_);

    doc_ = std::make_unique<CTarnholtDoc>(questions_);
    frame_ = std::make_unique<CMainFrame>(*doc_, files_);
    if (!arguments.isEmpty()) {
        if (!frame_->openDocumentFile(arguments.constFirst()))
            return false;
    } else {
        doc_->OnNewDocument();
    }
    frame_->showMaximized();
    return true;
}

int CTarnholtApp::ExitInstance()
{
    {
        auto store = CSettingsStore::open();
        CSettingsStore::saveColors(*store, displaySettings());
    }
    TemplateLibrary::instance().save(questions_);
    TemplateLibrary::release();
    return 0;
}

int CTarnholtApp::run()
{
    if (!InitInstance()) {
        ExitInstance();
        return 1;
    }
    int code = QApplication::exec();
    ExitInstance();
    return code;
}

} // namespace tarnholt
