#pragma once

#include "frame/form1.h"
#include "frame/programfolders.h"
#include "qt/formview.h"
#include "qt/qtservices.h"

#include <memory>
#include <optional>

class QApplication;

// What the program does around its event loop, shared by main() and the start-up benchmark.

// Settings of the process that must precede the application object.
void prepareProcess();

// The started program: the application's name, Japanese texts and fonts, the real services, the
// main window loaded (Form_Load), kept on screen and shown. `folders` replaces the folders the
// program would choose for itself (the benchmark keeps its settings apart from the user's).
class Program
{
public:
    explicit Program(QApplication &app, std::optional<ProgramFolders> folders = std::nullopt);
    ~Program();

    Form1 &form() { return *m_form; }
    FormView &view() { return *m_view; }

private:
    std::unique_ptr<QtServices> m_services;
    std::unique_ptr<Form1> m_form;
    std::unique_ptr<FormView> m_view;
};
