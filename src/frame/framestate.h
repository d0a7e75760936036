#pragma once

#include "frame/writtenfile.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <array>
#include <utility>
#include <vector>

// The application frame's state: where the program finds its files, the settings file's values,
// the flags that hold back handlers while the window rearranges itself, and the dragging of the
// completion panel. Form1 inherits it.
struct FrameState
{
    bool layoutBusy = false;
    bool tabSwitchBusy = false;
    bool skipRb1Change = false;

    // Where the program looks for its support files, keeps morvane.ini and starts its working file.
    // Set by main() before Form_Load; tests point them at temporary folders. An empty settings
    // folder means the settings are never written.
    QString programFolder;
    QString settingsFolder;
    QString workFolder;
    // The separator of the paths the designer builds and splits ("/" here, "\" in stored files).
    QChar pathSeparator = u'/';
    QString helpFilePath;

    struct SettingsEntry
    {
        QString key;
        QString value;
    };
    std::array<SettingsEntry, 21> settingsTable;

    bool panelDragging = false;
    bool panelMoveWait = false;
    int panelDragX = 0;
    int panelDragY = 0;

protected:
    // The entries morvane.ini holds, as last read or written, and the values already reported as
    // impossible to store there (as "key,value").
    std::vector<SettingsEntry> m_storedSettings;
    QStringList m_unstorableReported;
    // The save dialog starts with the name of its previous use.
    QString m_lastSettingsName;
    // The preview files this run wrote, by their full paths; shutdown deletes them.
    QStringList m_previewFiles;
    // What the preview last wrote into the preview file and the settings copy.
    WrittenFile m_previewCopy;
    WrittenFile m_settingsCopy;
    // Whether the settings document's escaped cell data reads back as the cell data, for the text
    // of RB3 of the revision kept with it.
    mutable std::pair<quint64, bool> m_cellDataReadBack{~quint64(0), false};
};
