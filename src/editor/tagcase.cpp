#include "editor/tagcase.h"

#include "editor/scriptelements.h"

#include "controls/hugepages.h"
#include "controls/parallel.h"

#include <vector>

namespace editor {

namespace {

// Where the conversion stands at a place of the text.
struct ScanState
{
    bool inScript = false;
    bool inTag = false;
    bool inQuote = false;
    bool operator==(const ScanState &) const = default;
};

// Takes the converted characters into `data`, the text's copy.
struct Writer
{
    char16_t *data;
    void write(qsizetype at, char16_t mapped) { data[at] = mapped; }
};

// Copies the text at the first character that changes, and takes the converted characters into
// the copy: a text already in the asked case costs no copy.
struct LazyCopy
{
    QStringView text;
    QString out;
    char16_t *data = nullptr;
    void write(qsizetype at, char16_t mapped)
    {
        if (!data) {
            out = hugepages::uninitialized(text.size(), hugepages::editingRoom(text.size()));
            std::copy(text.begin(), text.end(), out.data());
            data = reinterpret_cast<char16_t *>(out.data());
        }
        data[at] = mapped;
    }
};

// Only notes whether any character would change.
struct Probe
{
    bool changes = false;
    void write(qsizetype, char16_t) { changes = true; }
};

// The character (or surrogate pair) at i of `text` in the target case, written into `out`; returns
// how many units it covers. Characters whose case mapping has another length in UTF-16 are left
// as they are.
template <typename Out>
inline qsizetype convertAt(QStringView text, qsizetype i, bool lower, Out &out)
{
    const char16_t c = text.utf16()[i];
    if (c < 0x80) {
        if (lower ? (c >= u'A' && c <= u'Z') : (c >= u'a' && c <= u'z'))
            out.write(i, lower ? char16_t(c + 32) : char16_t(c - 32));
        return 1;
    }
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        const char32_t code = QChar::surrogateToUcs4(c, text[i + 1].unicode());
        const char32_t mapped = lower ? QChar::toLower(code) : QChar::toUpper(code);
        if (mapped != code && QChar::requiresSurrogates(mapped)) {
            out.write(i, QChar::highSurrogate(mapped));
            out.write(i + 1, QChar::lowSurrogate(mapped));
        }
        return 2;
    }
    const char32_t mapped = lower ? QChar::toLower(char32_t(c)) : QChar::toUpper(char32_t(c));
    if (mapped != c && !QChar::requiresSurrogates(mapped))
        out.write(i, char16_t(mapped));
    return 1;
}

// Converts [from, to) of `view`, starting in `state` and leaving it as it stands at `to`. The
// rules look ahead beyond `to` as they would in one pass over the whole text. `from` and `to` are
// line starts (or the text's ends), so no surrogate pair spans `to`.
template <typename Out>
void convertPart(QStringView view, qsizetype from, qsizetype to, bool lower, ScanState &state,
                 Out &out)
{
    const char16_t *p = view.utf16();
    const qsizetype n = view.size();
    // The character after i, or 0 at the end.
    auto next = [&](qsizetype i, qsizetype k) { return i + k < n ? p[i + k] : char16_t(0); };
    for (qsizetype i = from; i < to;) {
        if (!state.inTag) {
            // Outside a tag (and so outside quotes) only a "<" changes anything.
            while (i < to && p[i] != u'<')
                ++i;
            if (i == to)
                break;
        }
        const char16_t c = p[i];
        if (c == u'<') {
            const char16_t after = next(i, 1);
            if (after == u'!' && matchesAsciiNoCase(view, i, u"<!--javascript")) {
                state.inScript = true;
            } else if (after == u'/' && matchesAsciiNoCase(view, i, u"</script>")) {
                state.inScript = false;
            } else if (after == u'!' && next(i, 2) == u'-') {
                state.inTag = false;
                state.inQuote = false;
            } else {
                state.inTag = true;
            }
        } else if (c == u'-' && next(i, 1) == u'-' && next(i, 2) == u'>') {
            state.inTag = false;
            state.inQuote = false;
        } else if (c == u'>') {
            state.inTag = false;
            state.inQuote = false;
        } else if (c == u'"' && state.inTag) {
            state.inQuote = !state.inQuote;
        }
        if (state.inTag && !state.inQuote && !state.inScript)
            i += convertAt(view, i, lower, out);
        else
            ++i;
    }
}

// A long text is converted in parts on several threads. Each part is first scanned as if it
// started outside any tag, which is where a line of a source nearly always starts; a part whose
// true starting state (the end of the part before it) differs is scanned again from that state.
// Only when some character changes is the text copied, and converted part by part.
std::optional<QString> convertInParts(QStringView view, bool lower, int workers)
{
    const qsizetype n = view.size();
    const std::vector<qsizetype> bounds = parallel::lineSlices(view, workers);
    struct Part
    {
        ScanState start;
        ScanState end;
        bool changes = false;
    };
    std::vector<Part> parts(static_cast<std::size_t>(workers));
    parallel::slices(workers, workers, [&](int w, long long, long long) {
        // The scan works on its own state: the parts lie side by side in memory, and writing
        // to one at every tag would make the threads fight over the same cache line.
        Probe probe;
        ScanState state = parts[std::size_t(w)].start;
        convertPart(view, bounds[std::size_t(w)], bounds[std::size_t(w) + 1], lower, state, probe);
        parts[std::size_t(w)].end = state;
        parts[std::size_t(w)].changes = probe.changes;
    });
    bool changes = false;
    for (std::size_t w = 0; w < parts.size(); ++w) {
        Part &part = parts[w];
        const ScanState start = w == 0 ? ScanState() : parts[w - 1].end;
        if (start != part.start) {
            part.start = part.end = start;
            Probe probe;
            convertPart(view, bounds[w], bounds[w + 1], lower, part.end, probe);
            part.changes = probe.changes;
        }
        changes = changes || part.changes;
    }
    if (!changes)
        return std::nullopt;
    QString out = hugepages::uninitialized(n, hugepages::editingRoom(n));
    Writer writer{reinterpret_cast<char16_t *>(out.data())};
    parallel::slices(workers, workers, [&](int w, long long, long long) {
        const qsizetype from = bounds[std::size_t(w)];
        const qsizetype to = bounds[std::size_t(w) + 1];
        std::copy(view.utf16() + from, view.utf16() + to, writer.data + from);
        const Part &part = parts[std::size_t(w)];
        if (!part.changes)
            return;
        ScanState state = part.start;
        Writer own = writer;
        convertPart(view, from, to, lower, state, own);
    });
    return out;
}

} // namespace

std::optional<QString> convertedTagCase(QStringView view, int mode)
{
    const bool lower = mode == 1;
    const int workers = parallel::workersFor(view.size(), parallel::TextPerWorker);
    if (workers > 1)
        return convertInParts(view, lower, workers);
    // One pass: the copy is made at the first character that changes.
    LazyCopy copy{view};
    ScanState state;
    convertPart(view, 0, view.size(), lower, state, copy);
    if (!copy.data)
        return std::nullopt;
    return std::move(copy.out);
}

QString convertTagCase(QStringView text, int mode)
{
    std::optional<QString> converted = convertedTagCase(text, mode);
    return converted ? *converted : text.toString();
}

namespace {

// The length of the character reference ("&name;", "&#123;", "&#x1F;") at `at`, or 0.
qsizetype referenceAt(QStringView text, qsizetype at)
{
    qsizetype end = at + 1;
    while (end < text.size() && (text[end].isLetterOrNumber() || text[end] == u'#'))
        ++end;
    return end > at + 1 && end < text.size() && text[end] == u';' ? end + 1 - at : 0;
}

} // namespace

QString insertedTagText(QStringView text, int tagCaseOption)
{
    const bool upper = upperCaseTags(tagCaseOption);
    QString out;
    out.reserve(text.size());
    qsizetype copied = 0;
    for (qsizetype at = text.indexOf(u'&'); at >= 0; at = text.indexOf(u'&', at + 1)) {
        const qsizetype length = referenceAt(text, at);
        if (length == 0)
            continue;
        const QStringView before = text.sliced(copied, at - copied);
        out += upper ? before.toString().toUpper() : before.toString().toLower();
        out += text.sliced(at, length);
        copied = at + length;
        at = copied - 1;
    }
    const QStringView rest = text.sliced(copied);
    out += upper ? rest.toString().toUpper() : rest.toString().toLower();
    return out;
}

} // namespace editor
