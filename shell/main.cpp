// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "ErrorDisplay.h"
#include "LostWindowCloser.h"
#include "Maincode.h"
#include "QtTranslations.h"

#include <QApplication>
#include <QLocale>

#include <memory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    installQtTranslations(QLocale::system());
    LostWindowCloser lostWindowCloser;
    app.installNativeEventFilter(&lostWindowCloser);
    std::unique_ptr<TMainForm> form;
    runHandler([&form] { form = std::make_unique<TMainForm>(); });
    if (!form)
        return 0;
    MainForm = form.get();
    form->show();
    app.exec();
    return 0;
}
