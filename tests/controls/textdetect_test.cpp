#include "controls/textdetect.h"

#include <QString>
#include <QStringDecoder>
#include <gtest/gtest.h>

namespace {

TEST(TextDetect, ALongTextIsSampledInWholeCharactersFromStartToEnd)
{
    // Characters of one to four bytes, so that the slice edges land inside all of them somewhere.
    const QString unit = QStringLiteral(u"a表éｶ😀\r\n");
    for (const int repeat : {100, 4000, 4001, 4003, 50000}) {
        const QByteArray bytes = unit.repeated(repeat).toUtf8();
        const std::vector<QByteArrayView> sample = textdetect::sampleOf(bytes);
        if (bytes.size() <= textdetect::SampleBytes) {
            ASSERT_EQ(sample.size(), 1u);
            EXPECT_EQ(sample[0].size(), bytes.size());
            continue;
        }
        ASSERT_EQ(sample.size(), std::size_t(textdetect::Slices)) << repeat;
        EXPECT_EQ(sample.front().data(), bytes.constData());
        EXPECT_EQ(sample.back().data() + sample.back().size(), bytes.constData() + bytes.size());
        qsizetype total = 0;
        const char *previousEnd = bytes.constData();
        for (const QByteArrayView slice : sample) {
            EXPECT_GE(slice.data(), previousEnd) << repeat; // in order, never overlapping
            previousEnd = slice.data() + slice.size();
            total += slice.size();
            QStringDecoder strict(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            const QString text = strict(slice);
            EXPECT_FALSE(strict.hasError()) << repeat;
        }
        EXPECT_LE(total, textdetect::SampleBytes + textdetect::Slices);
        EXPECT_GE(total, textdetect::SampleBytes - 3 * 2 * textdetect::Slices);
    }
}

} // namespace
