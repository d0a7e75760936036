#include "editor/sourcetemplates.h"

namespace editor {

namespace {
QString inCase(const QString &text, bool upper)
{
    return upper ? text.toUpper() : text.toLower();
}
} // namespace

QString docTypeLine()
{
    return QStringLiteral(u"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n");
}

QString headerBlock(const QString &source, bool upper)
{
    const QString lower = source.toLower();
    QString block;
    if (!lower.contains(QStringLiteral(u"<html>")))
        block += QStringLiteral(u"<HTML>\r\n");
    if (!lower.contains(QStringLiteral(u"<head>")))
        block += QStringLiteral(u"<HEAD>\r\n");
    block += QStringLiteral(
        u"<META name=\"GENERATOR\" content=\"morvane 1.0.0 for Windows\">\r\n"
        u"<META http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\" >\r\n"
        u"<META http-equiv=\"Content-Style-Type\" content=\"text/css\">\r\n"
        u"<META http-equiv=\"Content-Script-Type\" content=\"text/javascript\">\r\n"
        u"<TITLE></TITLE>\r\n"
        u"</HEAD>\r\n"
        u"\r\n"
        u"<BODY>\r\n\r\n");
    return inCase(block, upper);
}

QString headerTail(bool upper)
{
    return inCase(QStringLiteral(u"\r\n</BODY>\r\n</HTML>\r\n"), upper);
}

QString scriptBlock(bool upper)
{
    return inCase(QStringLiteral(u"<script type=\"text/JavaScript\">\r\n<!--\r\n\r\n// -->\r\n"
                                 u"</script>\r\n"),
                  upper);
}

QString styleBlock(bool upper)
{
    return inCase(QStringLiteral(u"<STYLE TYPE=\"text/css\">\r\n<!--\r\n\r\n-->\r\n</STYLE>\r\n"),
                  upper);
}

} // namespace editor
