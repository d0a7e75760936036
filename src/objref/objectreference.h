#pragma once

#include <QString>

// What the object tree window carries besides its controls: the built-in knowledge of the browser
// script object model as three texts and the reserved words. It outlives the window: the main window
// holds it from start-up and calls these members without loading or showing the window, and the
// window reads and rebuilds the texts through it.
class ObjectReference
{
public:
    // Member lists of the script objects: "<name>;" sections of "member + level code;" items, then
    // the plain candidate parts. No line breaks. Empty until Gets runs.
    QString objTreeText;
    // One member per line, "name,description,example", lines separated by CR LF, sections headed by
    // "<name>", ending with the sentinel "<>" (no line end after it). Empty until GetString runs.
    QString objRefText;
    // objRefText in lower case, with the same length and positions. Set together with objRefText.
    QString objRefTextLower;

    // Stores the member-list text in objTreeText, replacing what it held: however often it runs
    // (at start-up, at every opening of the window), the property holds the text once. The text
    // itself is assembled once per process, so repeated calls are cheap.
    void Gets();
    // Stores the description text in objRefText, replacing what it held, then its lower-case form
    // in objRefTextLower.
    void GetString();
    // The 53 reserved words of the script language joined by ";", none before the first or after
    // the last. Stores nothing.
    QString Yoyakugo() const;
};
