#pragma once

#include <QApplication>
#include <memory>

#include "app/CFileChooser.h"
#include "app/CMessageQuestions.h"

namespace tarnholt {

class CMainFrame;
class CTarnholtDoc;

/// Starts and ends the program: the settings store, the display colours and the template library,
/// the document (new, or the file named on the command line) and the main window.
class CTarnholtApp {
public:
    CTarnholtApp(int& argc, char** argv);
    ~CTarnholtApp();

    /// Start-up, the event loop, exit; the process's exit code.
    int run();

    /// Start-up. False when the program must end (the file named on the command line did not open).
    bool InitInstance();
    /// Exit: saves the display colours, then the template library.
    int ExitInstance();

private:
    QApplication application_;
    CMessageQuestions questions_;
    CFileChooser files_;
    std::unique_ptr<CTarnholtDoc> doc_;
    std::unique_ptr<CMainFrame> frame_;
};

} // namespace tarnholt
