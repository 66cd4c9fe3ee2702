// Settings: the process entry. Creates the main window from its description and runs the message loop.
#include "app/template.h"
#include "ui/ws/qt6/qtwidgetset.h"

int main(int argc, char** argv) {
    TApplication application(ui::CreateQtWidgetSet(argc, argv));
    RegisterTemplate();
    try {
        application.CreateForm<TMainForm>();
    } catch (const std::exception& e) {
        // A broken description never shows a half-built window: only the error, which names the line.
        application.MessageBox(e.what(), application.Title, MB_OK | MB_ICONSTOP);
        return 1;
    }
    application.Run();
    return 0;
}
