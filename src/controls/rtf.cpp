#include "controls/rtf.h"

#include "controls/cp932.h"

#include <QHash>
#include <QSet>
#include <vector>

namespace rtf {

namespace {

// Windows-1252 0x80-0x9F; the five unassigned bytes read as the C1 control of the same value.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr int kCp932 = 932;
constexpr int kCp1252 = 1252;
constexpr int kMaxWordLength = 32;
constexpr int kMaxDigits = 10;

enum class Destination { Text, Skipped, FontTable };

struct Group
{
    Destination destination = Destination::Text;
    int unicodeSkip = 1; // \ucN
    int font = -1;       // \fN; -1 until one is chosen (the \deff font applies)
};

// Destinations whose content a rich-text box never shows.
const QSet<QByteArray> &skippedDestinations()
{
    // clang-format off
    static const QSet<QByteArray> names = {
        "colortbl", "stylesheet", "info", "pict", "header", "headerl", "headerr", "headerf",
        "footer", "footerl", "footerr", "footerf", "footnote", "fldinst", "objdata", "filetbl",
        "listtable", "listoverridetable", "revtbl", "rsidtbl", "xmlnstbl", "generator", "pntext",
        "pntxta", "pntxtb", "listtext", "themedata", "colorschememapping", "latentstyles",
        "datastore", "bkmkstart", "bkmkend", "xe", "tc", "template", "nonshppict", "shppict",
        "annotation", "atnid", "atnauthor", "userprops", "docvar", "ftnsep", "ftnsepc", "ftncn",
        "aftnsep", "aftnsepc", "aftncn", "private"};
    // clang-format on
    return names;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

int codePageOfCharset(int charset, int ansiCodePage)
{
    switch (charset) {
    case 128:
        return kCp932;
    case 1:
        return ansiCodePage;
    default:
        return kCp1252;
    }
}

class Reader
{
public:
    explicit Reader(QByteArrayView in) : m_in(in) {}
    QString run();

private:
    void openGroup();
    bool closeGroup();
    void controlWord();
    void controlSymbol(char c);
    void word(const QByteArray &name, bool hasParam, long long param);
    void fontTableWord(const QByteArray &name, bool hasParam, long long param);
    bool consumeSkip();
    void textByte(unsigned char b);
    void textChar(char16_t c);
    void paragraphEnd();
    void flushPending();
    int codePage() const;
    bool showing() const { return m_group.destination == Destination::Text; }

    QByteArrayView m_in;
    qsizetype m_pos = 0;
    std::vector<Group> m_stack;
    Group m_group;
    QString m_out;
    int m_ansiCodePage = kCp932;
    int m_defaultFont = -1;
    int m_definedFont = -1; // the font the font table is describing
    QHash<int, int> m_fontCodePage;
    QSet<int> m_cpgGiven;
    int m_pendingLead = -1;          // a CP932 lead byte waiting for its trail byte
    int m_skipLeft = 0;              // \uN fallback characters still to skip
    bool m_starred = false;          // \* seen: the group is an optional destination
    qsizetype m_paragraphEndAt = -1; // m_out size just after the latest paragraph end
};

QString Reader::run()
{
    while (m_pos < m_in.size()) {
        const char c = m_in[m_pos++];
        switch (c) {
        case '{':
            openGroup();
            break;
        case '}':
            if (!closeGroup())
                m_pos = m_in.size();
            break;
        case '\\':
            controlWord();
            break;
        case '\r':
        case '\n':
            break;
        default:
            if (!consumeSkip() && showing())
                textByte(static_cast<unsigned char>(c));
        }
    }
    flushPending();
    if (m_paragraphEndAt == m_out.size() && m_out.endsWith(u"\r\n"))
        m_out.chop(2);
    return m_out;
}

void Reader::openGroup()
{
    m_skipLeft = 0;
    m_starred = false;
    m_stack.push_back(m_group);
}

// False when the outermost group has closed (or there was none to close).
bool Reader::closeGroup()
{
    m_skipLeft = 0;
    m_starred = false;
    if (m_stack.empty())
        return false;
    m_group = m_stack.back();
    m_stack.pop_back();
    return !m_stack.empty();
}

// After a backslash: a control word (letters, an optional signed number, one optional blank that
// belongs to it) or a control symbol.
void Reader::controlWord()
{
    if (m_pos >= m_in.size())
        return;
    const auto isLetter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    if (!isLetter(m_in[m_pos])) {
        controlSymbol(m_in[m_pos++]);
        return;
    }
    QByteArray name;
    while (m_pos < m_in.size() && isLetter(m_in[m_pos])) {
        if (name.size() < kMaxWordLength)
            name.append(m_in[m_pos]);
        ++m_pos;
    }
    bool negative = false;
    if (m_pos + 1 < m_in.size() && m_in[m_pos] == '-' && isDigit(m_in[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    bool hasParam = false;
    long long param = 0;
    int digits = 0;
    while (m_pos < m_in.size() && isDigit(m_in[m_pos])) {
        if (digits++ < kMaxDigits)
            param = param * 10 + (m_in[m_pos] - '0');
        hasParam = true;
        ++m_pos;
    }
    if (negative)
        param = -param;
    if (m_pos < m_in.size() && m_in[m_pos] == ' ')
        ++m_pos;
    word(name, hasParam, param);
}

void Reader::controlSymbol(char c)
{
    if (c == '\'') {
        const int high = m_pos < m_in.size() ? hexValue(m_in[m_pos]) : -1;
        const int low = m_pos + 1 < m_in.size() ? hexValue(m_in[m_pos + 1]) : -1;
        if (high < 0 || low < 0) {
            m_pos += high < 0 ? 0 : 1;
            return; // a truncated escape stands for nothing
        }
        m_pos += 2;
        if (!consumeSkip() && showing())
            textByte(static_cast<unsigned char>(high * 16 + low));
        return;
    }
    if (c == '*') {
        m_starred = true;
        return;
    }
    if (consumeSkip() || !showing())
        return;
    switch (c) {
    case '\\':
    case '{':
    case '}':
        textByte(static_cast<unsigned char>(c));
        break;
    case '~':
        textChar(u'\u00A0');
        break;
    case '_':
        textChar(u'\u2011');
        break;
    case '\r':
    case '\n':
        paragraphEnd();
        break;
    case '\t':
        textChar(u'\t');
        break;
    default: // \- (optional hyphen), \| , \: and unknown symbols show nothing
        break;
    }
}

// True when the item just read is a \uN fallback character to be dropped.
bool Reader::consumeSkip()
{
    if (m_skipLeft <= 0)
        return false;
    --m_skipLeft;
    return true;
}

int Reader::codePage() const
{
    const int font = m_group.font >= 0 ? m_group.font : m_defaultFont;
    return m_fontCodePage.value(font, m_ansiCodePage);
}

void Reader::textByte(unsigned char b)
{
    if (m_pendingLead >= 0) {
        if (b >= 0x40 && b <= 0xFC && b != 0x7F) {
            const char pair[2] = {char(m_pendingLead), char(b)};
            m_pendingLead = -1;
            m_out += cp932::decode(QByteArrayView(pair, 2));
            return;
        }
        flushPending(); // a lead byte without its trail; the byte stands for itself
    }
    if (b < 0x80) {
        textChar(char16_t(b));
    } else if (codePage() != kCp932) {
        textChar(b < 0xA0 ? kCp1252High[b - 0x80] : char16_t(b));
    } else if ((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC)) {
        m_pendingLead = b;
    } else {
        const char single = char(b);
        textChar(cp932::decode(QByteArrayView(&single, 1)).at(0).unicode());
    }
}

void Reader::flushPending()
{
    if (m_pendingLead >= 0) {
        m_pendingLead = -1;
        m_out += QChar(u'\u30FB');
    }
}

void Reader::textChar(char16_t c)
{
    flushPending();
    if (c >= 0x20 || c == u'\t')
        m_out += QChar(c);
}

void Reader::paragraphEnd()
{
    flushPending();
    m_out += u"\r\n";
    m_paragraphEndAt = m_out.size();
}

void Reader::word(const QByteArray &name, bool hasParam, long long param)
{
    if (m_starred) {
        // An optional destination: shown by nobody who does not know it, and we show none.
        m_starred = false;
        m_group.destination = Destination::Skipped;
    }
    if (name == "bin") {
        // Binary data: skipped whatever group it stands in, and never counted as text.
        const qsizetype left = m_in.size() - m_pos;
        m_pos += hasParam && param > 0 ? qsizetype(qMin<long long>(param, left)) : 0;
        return;
    }
    if (m_group.destination == Destination::Skipped)
        return;
    if (name == "fonttbl") {
        m_group.destination = Destination::FontTable;
        return;
    }
    if (skippedDestinations().contains(name)) {
        m_group.destination = Destination::Skipped;
        return;
    }
    if (m_group.destination == Destination::FontTable) {
        fontTableWord(name, hasParam, param);
        return;
    }
    if (name == "u") {
        if (consumeSkip())
            return;
        // Writers give units above 32767 as negative numbers; anything else is no character.
        if (hasParam && param >= -32768 && param <= 65535 && param != 0)
            textChar(char16_t(param < 0 ? param + 0x10000 : param));
        m_skipLeft = m_group.unicodeSkip;
        return;
    }
    if (consumeSkip())
        return;
    if (name == "uc") {
        m_group.unicodeSkip = hasParam ? int(qBound(0LL, param, 255LL)) : 1;
    } else if (name == "ansicpg") {
        if (hasParam)
            m_ansiCodePage = int(param);
    } else if (name == "deff") {
        m_defaultFont = int(param);
    } else if (name == "f") {
        m_group.font = int(param);
    } else if (name == "par" || name == "sect" || name == "page" || name == "row") {
        paragraphEnd();
    } else if (name == "line") {
        flushPending();
        m_out += u"\r\n"; // a line break inside the paragraph: never dropped at the end
    } else if (name == "tab" || name == "cell") {
        textChar(u'\t');
    } else {
        static const QHash<QByteArray, char16_t> symbols = {
            {"emdash", u'\u2014'},    {"endash", u'\u2013'},  {"bullet", u'\u2022'},
            {"lquote", u'\u2018'},    {"rquote", u'\u2019'},  {"ldblquote", u'\u201C'},
            {"rdblquote", u'\u201D'}, {"emspace", u'\u2003'}, {"enspace", u'\u2002'},
            {"qmspace", u'\u2005'},   {"zwj", u'\u200D'},     {"zwnj", u'\u200C'},
            {"ltrmark", u'\u200E'},   {"rtlmark", u'\u200F'}};
        const auto it = symbols.constFind(name);
        if (it != symbols.constEnd())
            textChar(*it);
    }
}

// Inside the font table: which code page each font's \'hh bytes are in.
void Reader::fontTableWord(const QByteArray &name, bool hasParam, long long param)
{
    if (name == "f") {
        m_definedFont = int(param);
    } else if (name == "fcharset" && hasParam && m_definedFont >= 0) {
        if (!m_cpgGiven.contains(m_definedFont))
            m_fontCodePage.insert(m_definedFont, codePageOfCharset(int(param), m_ansiCodePage));
    } else if (name == "cpg" && hasParam && m_definedFont >= 0) {
        m_fontCodePage.insert(m_definedFont, int(param));
        m_cpgGiven.insert(m_definedFont);
    }
}

} // namespace

bool looksLikeRtf(QByteArrayView bytes)
{
    return bytes.startsWith("{\\rtf");
}

QString toPlainText(QByteArrayView rtf)
{
    if (!looksLikeRtf(rtf))
        return cp932::decode(rtf);
    return Reader(rtf).run();
}

} // namespace rtf
