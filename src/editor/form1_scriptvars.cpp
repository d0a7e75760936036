// The script support of the change handler: the variable table, the reserved-word warnings, the
// object in front of a dot, the with block's object and the inferred type. The work is done by
// the engines of scriptvars.h on the text of RB1 and the indexes kept of it.

#include "editor/scriptvars.h"
#include "frame/form1.h"

void Form1::ScanVarDeclarations()
{
    varTable.clear();
    if (m_sourceIndex.var.positions().empty())
        return; // nothing to read: a long source is not read whole at every key for it
    for (const editor::FoundStatement &found :
         editor::scanVarDeclarations(RB1.text(), m_sourceIndex.var.positions(), reservedWords))
        ParseVarDeclaration(found);
}

void Form1::ParseVarDeclaration(const editor::FoundStatement &found)
{
    varTable.append(found.statement.columns);
    // A declaration is warned about once for the reserved name it uses, not at every change; the
    // note travels with its "var" while the text around it is edited.
    const qsizetype i = m_sourceIndex.var.find(found.position);
    if (i < 0)
        return;
    QString &warned = m_sourceIndex.var.note(std::size_t(i));
    if (found.statement.reserved.isEmpty()) {
        warned.clear();
    } else if (warned != found.statement.reserved) {
        warned = found.statement.reserved;
        msgBox(QStringLiteral(u"予約語は使用できません"), msgbox::OKOnly);
    }
}

void Form1::CheckReservedWord()
{
    const std::optional<editor::ReservedWarning> warning =
        editor::checkReservedWord(RB1.text(), RB1.selStart(), reservedWords);
    if (!warning) {
        m_lastLineWarning.clear();
        return;
    }
    // Once per line and offending word: typing on in the same line does not repeat it.
    const QString key =
        warning->message + u'\n' + QString::number(warning->lineStart) + u'\n' + warning->word;
    if (key == m_lastLineWarning)
        return;
    m_lastLineWarning = key;
    msgBox(warning->message, msgbox::OKOnly);
}

QString Form1::ConstructorType(QString &word, QString &member)
{
    word = editor::constructorType(RB1.text(), RB1.selStart(), member);
    return word;
}

QString Form1::FindWithObject()
{
    const int caret = RB1.selStart();
    return editor::findWithObject(RB1.text(), m_sourceIndex.closeBrace.lastWithin(caret),
                                  m_sourceIndex.with.lastWithin(caret));
}

QString Form1::InferVarType(qsizetype position, const QString &name)
{
    return editor::inferVarType(RB1.text(), position, name, &m_sourceIndex);
}
