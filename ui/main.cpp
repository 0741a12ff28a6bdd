#include <QApplication>
#include <cstdlib>
#include <exception>

#include "ui/Guard.h"
#include "ui/Modals.h"
#include "ui/Startup.h"
#include "ui/Unit1.h"

// Start-up: the application, its three windows, the main window shown, and
// the event loop until the main window has closed (closing the last window
// ends the loop).
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QtModals modals;
    try {
        SetUpApplication();
        const ProgramWindows windows(modals);
        windows.Main().show();
        return QApplication::exec();
    } catch (const std::exception& error) {
        // The windows could not be built (a picture of the resources is
        // damaged): the user is told why nothing appears.
        modals.ShowApplicationError(MessageOf(error));
    } catch (...) {
        modals.ShowApplicationError(UnknownErrorMessage());
    }
    return EXIT_FAILURE;
}
