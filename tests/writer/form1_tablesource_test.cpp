// Golden designs: tests/data/writer/<case>/ holds design.txt (see support/design_script.h), the cell
// data as typed (celldata.txt) and the source the writer must produce (expected.html), byte for byte.
// expected_celldata.txt, where present, is what RB3 must hold afterwards.

#include "support/qt_printers.h"
#include "support/design_script.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

class WriterGolden : public ::testing::TestWithParam<std::string>
{};

TEST_P(WriterGolden, SourceIsByteExact)
{
    const QString dir = QStringLiteral(MORVANE_TEST_DATA "/writer/") + QString::fromStdString(GetParam());
    Form1 f;
    f.BuildRowTemplate();
    f.RB3.setText(QString::fromUtf8(readBytes(dir + QStringLiteral(u"/celldata.txt"))));
    applyDesign(f, QString::fromUtf8(readBytes(dir + QStringLiteral(u"/design.txt"))));
    ASSERT_TRUE(f.MakeTableSource());
    EXPECT_EQ(f.RB1.text().toUtf8().toStdString(),
              readBytes(dir + QStringLiteral(u"/expected.html")).toStdString());
    const QByteArray cellData = readBytes(dir + QStringLiteral(u"/expected_celldata.txt"));
    if (QFile::exists(dir + QStringLiteral(u"/expected_celldata.txt")))
        EXPECT_EQ(f.RB3.text().toUtf8().toStdString(), cellData.toStdString());
}

std::vector<std::string> cases()
{
    std::vector<std::string> out;
    for (const QString &name : QDir(QStringLiteral(MORVANE_TEST_DATA "/writer"))
                                   .entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        out.push_back(name.toStdString());
    return out;
}

INSTANTIATE_TEST_SUITE_P(Designs, WriterGolden, ::testing::ValuesIn(cases()),
                         [](const auto &info) { return info.param; });

} // namespace
