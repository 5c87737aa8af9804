#include "ErrorDisplay.h"
#include "Maincode.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    runHandler([&app] {
        TMainForm form;
        MainForm = &form;
        form.show();
        app.exec();
        MainForm = nullptr;
    });
    return 0;
}
