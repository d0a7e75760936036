#pragma once

#include "frame/form1.h"
#include "qt/formview.h"
#include "qt/qtservices.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

// The main window with the Qt services (real dialogs and message boxes), its settings and
// working folder a temporary one.
class ShownMainWindowTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QtServices services;
    Form1 form{services.services()};
    std::unique_ptr<FormView> view;

    // Starts the program and shows its window, the dialogs owned by it.
    void start()
    {
        form.settingsFolder = dir.path();
        form.workFolder = dir.path();
        form.Form_Load();
        view = std::make_unique<FormView>(form);
        services.setDialogParent(view.get());
        view->show();
        QApplication::processEvents();
    }
};
