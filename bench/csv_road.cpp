// The CSV road as one process, for timing from start to exit against the plain script
// bench/csv_to_html.py (see bench_csvroad.cpp):
//     csv_road input.csv output.html folder
// The main window is started as the program starts it (its settings in `folder`), the file menu's
// CSV import reads `input.csv` and makes the table source, and the menu's HTML save writes it to
// `output.html`, answering the dialogs as a user would (the file chosen, an existing file
// overwritten). There is no window on screen: the Qt view is not part of this road.

#include "frame/form1.h"

#include <QFile>
#include <cstdio>

namespace {

class ChosenFiles : public FileDialogService
{
public:
    QString input, output;
    std::optional<QString> open(const FileDialogRequest &) override { return input; }
    std::optional<QString> save(const FileDialogRequest &) override { return output; }
};

// Every question is answered Yes; anything else shown is an error of the road.
class Answers : public MessageService
{
public:
    int failures = 0;
    int msgBox(const QString &prompt, int style, const QString &) override
    {
        if ((style & 7) != msgbox::YesNo) {
            ++failures;
            std::fprintf(stderr, "%s\n", prompt.toLocal8Bit().constData());
        }
        return msgbox::Yes;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: csv_road input.csv output.html folder\n");
        return 2;
    }
    ChosenFiles files;
    files.input = QString::fromLocal8Bit(argv[1]);
    files.output = QString::fromLocal8Bit(argv[2]);
    Answers answers;
    Services services;
    services.files = &files;
    services.messages = &answers;

    Form1 form(services);
    const QString folder = QString::fromLocal8Bit(argv[3]);
    form.programFolder = folder;
    form.settingsFolder = folder;
    form.workFolder = folder;
    form.Form_Load();
    form.ImportCsv();
    form.mhtml_Click();
    return answers.failures == 0 && QFile::exists(files.output) ? 0 : 1;
}
