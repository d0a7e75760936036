#pragma once

#include "editor/candidatetable.h"
#include "editor/scriptvars.h"
#include "editor/sourceindex.h"
#include "editor/typedcolouring.h"

#include <QString>
#include <QStringList>

// What the source editor keeps between keystrokes: the completion's candidates and the word being
// completed, the script's variables and reserved words, the index of the source and what RB1 was
// last coloured and indented for. Form1 inherits it.
struct EditorState
{
    // The candidate table, built once at start-up; the word being completed starts at kouhoStart
    // (0-based) and kouhoTypedLength characters of it are typed; kouhoListBelow tells on which side
    // of the caret line the open list lies.
    editor::CandidateTable kouhoList;
    int kouhoStart = 0;
    int kouhoTypedLength = 0;
    bool kouhoListBelow = false;

    QStringList reservedWords;
    editor::VariableTable varTable;
    QStringList wordDelimiters;

    // True when RB1 holds edits (typed, pasted, inserted by a command) made after the source was
    // last made.
    bool sourceEdited() const { return m_sourceEdited; }

protected:
    editor::SourceIndex m_sourceIndex;
    bool m_keyDownBusy = false;
    // The open member list is a with block's, opened by a dot after a blank: the member chosen
    // takes the place of that dot, at kouhoStart.
    bool m_memberReplacesDot = false;
    bool m_formKeyBusy = false;
    // The reserved-word warning last shown for the line being typed: its message, line and word.
    QString m_lastLineWarning;
    // Where the last script template went in, or -1.
    int m_templateStart = -1;
    // The text of RB1 as IndentHtmlSource last left it, so that an indented text is not indented
    // again.
    quint64 m_indentedText = ~quint64(0);
    bool m_sourceEdited = false;
    editor::TypedTextColouring m_typedColouring;
    // What RB1 was last coloured for, so that an unchanged text is not coloured twice.
    quint64 m_colouredRevision = ~quint64(0);
    const void *m_colouredScheme = nullptr;
};
