#include "qt/fontdialog.h"

#include "qt/japanese.h"
#include "qt/qtconvert.h"

#include <QDialogButtonBox>
#include <QDoubleValidator>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace {
// Item data: the face name the dialog gives back for the family.
constexpr int NameRole = Qt::UserRole;

// The styles in the order the list shows them; bit 0 italic, bit 1 bold.
const char16_t *const StyleNames[] = {u"標準", u"斜体", u"太字", u"太字 斜体"};

QString sizeText(double size)
{
    return QString::number(size, 'g', 6);
}
} // namespace

EditorFontDialog::EditorFontDialog(const Font &initial, bool fixedPitchOnly, QWidget *parent)
    : QDialog(parent), m_initial(initial)
{
    setWindowTitle(QStringLiteral(u"フォント"));
    m_families = new QListWidget(this);
    m_families->setObjectName(QStringLiteral(u"familyList"));
    m_styles = new QListWidget(this);
    m_styles->setObjectName(QStringLiteral(u"styleList"));
    m_size = new QLineEdit(this);
    m_size->setObjectName(QStringLiteral(u"sizeEdit"));
    auto *validator = new QDoubleValidator(1, 1638, 1, m_size);
    validator->setLocale(QLocale::c());
    m_size->setValidator(validator);
    m_sizes = new QListWidget(this);
    m_sizes->setObjectName(QStringLiteral(u"sizeList"));
    m_sample = new QLabel(QStringLiteral(u"AaBbYyZz 0123 あぁアァ亜宇"), this);
    m_sample->setObjectName(QStringLiteral(u"sample"));
    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setMinimumHeight(60);

    auto *grid = new QGridLayout;
    auto *familyLabel = new QLabel(QStringLiteral(u"フォント名(&F):"), this);
    auto *styleLabel = new QLabel(QStringLiteral(u"スタイル(&Y):"), this);
    auto *sizeLabel = new QLabel(QStringLiteral(u"サイズ(&S):"), this);
    familyLabel->setBuddy(m_families);
    styleLabel->setBuddy(m_styles);
    sizeLabel->setBuddy(m_size);
    grid->addWidget(familyLabel, 0, 0);
    grid->addWidget(styleLabel, 0, 1);
    grid->addWidget(sizeLabel, 0, 2);
    grid->addWidget(m_families, 1, 0, 2, 1);
    grid->addWidget(m_styles, 1, 1, 2, 1);
    grid->addWidget(m_size, 1, 2);
    grid->addWidget(m_sizes, 2, 2);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 1);

    auto *sampleBox = new QGroupBox(QStringLiteral(u"サンプル"), this);
    auto *sampleLayout = new QVBoxLayout(sampleBox);
    sampleLayout->addWidget(m_sample);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(sampleBox);
    layout->addWidget(buttons);

    fillFamilies(fixedPitchOnly);
    fillStyles();
    fillSizes();
    connect(m_families, &QListWidget::currentRowChanged, this, [this] { showSample(); });
    connect(m_styles, &QListWidget::currentRowChanged, this, [this] { showSample(); });
    connect(m_sizes, &QListWidget::currentTextChanged, this, [this](const QString &text) {
        if (!text.isEmpty() && text != m_size->text())
            m_size->setText(text);
    });
    connect(m_size, &QLineEdit::textChanged, this, [this] { showSample(); });
    showSample();
    resize(520, 420);
}

void EditorFontDialog::fillFamilies(bool fixedPitchOnly)
{
    const QStringList families = fixedPitchOnly ? fixedPitchFamilies() : QFontDatabase::families();
    // The family that really draws the given face: the name itself when installed, else the
    // family the system maps it to.
    QString shown = m_initial.name;
    if (!families.contains(shown, Qt::CaseInsensitive))
        shown = QFontInfo(toQFont(m_initial)).family();
    QListWidgetItem *current = nullptr;
    for (const QString &family : families) {
        auto *item = new QListWidgetItem(family, m_families);
        item->setData(NameRole, family);
        if (!current && family.compare(shown, Qt::CaseInsensitive) == 0) {
            item->setData(NameRole, m_initial.name);
            current = item;
        }
    }
    if (!current) {
        // A face outside the offered kind (chosen elsewhere, or stored earlier) is still offered,
        // first, so that the dialog opens on it.
        current = new QListWidgetItem(shown);
        current->setData(NameRole, m_initial.name);
        m_families->insertItem(0, current);
    }
    m_families->setCurrentItem(current);
    m_families->scrollToItem(current, QAbstractItemView::PositionAtCenter);
}

void EditorFontDialog::fillStyles()
{
    for (const char16_t *name : StyleNames)
        m_styles->addItem(QString::fromUtf16(name));
    m_styles->setCurrentRow((m_initial.italic ? 1 : 0) | (m_initial.bold ? 2 : 0));
}

void EditorFontDialog::fillSizes()
{
    const QList<int> sizes = QFontDatabase::standardSizes();
    for (int size : sizes)
        m_sizes->addItem(QString::number(size));
    m_size->setText(sizeText(m_initial.size));
    const QList<QListWidgetItem *> match = m_sizes->findItems(m_size->text(), Qt::MatchExactly);
    if (!match.isEmpty()) {
        m_sizes->setCurrentItem(match.first());
        m_sizes->scrollToItem(match.first(), QAbstractItemView::PositionAtCenter);
    }
}

Font EditorFontDialog::chosen() const
{
    Font font = m_initial;
    if (const QListWidgetItem *item = m_families->currentItem())
        font.name = item->data(NameRole).toString();
    const int style = std::max(0, m_styles->currentRow());
    font.italic = style & 1;
    font.bold = style & 2;
    // A size left as it was shown keeps its exact value; one that cannot be read keeps the old.
    if (m_size->text() != sizeText(m_initial.size)) {
        bool ok = false;
        const double size = QLocale::c().toDouble(m_size->text(), &ok);
        if (ok && size >= 1 && size <= 1638)
            font.size = size;
    }
    return font;
}

void EditorFontDialog::showSample()
{
    m_sample->setFont(toQFont(chosen()));
}
