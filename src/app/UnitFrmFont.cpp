#include "app/UnitFrmFont.h"

#include "app/FontSample.h"

#include "card/CardSettings.h"
#include "card/CommandGuard.h"
#include "card/WholeNumber.h"
#include "docs/Folders.h"
#include "docs/FontCatalogue.h"
#include "docs/FontChoice.h"
#include "docs/IniFile.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace {

const QString Section = QStringLiteral("Options");
const QString NameKey = QStringLiteral("FountName");
const QString SizeKey = QStringLiteral("FontSize");

// The sample's size until a stored size converts.
constexpr int InitialSampleSize = 20;

// The dialog's size where its texts leave it so (in English).
constexpr int BaseWidth = 226;
constexpr int BaseHeight = 181;

// The window manager writes the title in its own bold font beside the
// window's icon and its buttons, and cuts a title that does not fit
// ("Opcione…e fuente"). Its font is unknown here: the application's, bold, is
// the nearest guess. Under openbox the icon, the three buttons and the gaps
// around the title took 109 pixels beside Sans 9's 14-pixel lines: nine line
// heights leave a little to spare.
int widthForTitle(const QString &title)
{
    QFont bold = QApplication::font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    return metrics.horizontalAdvance(title) + 9 * metrics.height();
}

template <typename W>
W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

TFrmFonts::TFrmFonts(IPrompts &prompts, const IFontCatalogue &fonts, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint),
      m_prompts(prompts),
      m_fonts(fonts)
{
    setObjectName(QStringLiteral("FrmFonts"));
    setWindowTitle(QCoreApplication::translate("TFrmFont", "Font Options"));
    setFixedSize(std::max(BaseWidth, widthForTitle(windowTitle())), BaseHeight);
    buildControls();

    // activated, not currentIndexChanged: only the user's picks count, not
    // the selections made while opening.
    connect(CboFontName, &QComboBox::activated, this,
            [this] { runCommand(m_prompts, [this] { CboFontNameChange(); }); });
    connect(CboFontSize, &QComboBox::activated, this,
            [this] { runCommand(m_prompts, [this] { CboFontSizeChange(); }); });
    connect(BtnOK, &QPushButton::clicked, this, [this] { BtnOKClick(); });
    connect(BtnCancel, &QPushButton::clicked, this, [this] { BtnCancelClick(); });

    runCommand(m_prompts, [this] { FormCreate(); });
}

void TFrmFonts::buildControls()
{
    setFont(QFont(QStringLiteral("Sans Serif"), 8));

    GroupBoxFonts = named(new QGroupBox(QCoreApplication::translate("TFrmFont", "Fonts"), this), "GroupBoxFonts");
    // A title wider than the English one widens the dialog: the group, the
    // name list and the sample take the room, the buttons stay at the right.
    const int wider = width() - BaseWidth;
    GroupBoxFonts->setGeometry(8, 4, 210 + wider, 132);
    QWidget *g = GroupBoxFonts;

    // The lists start where the longer of the two captions ends, so that
    // neither is cut in a language with longer words.
    LblName = named(new QLabel(QCoreApplication::translate("TFrmFont", "&Name: "), g), "LblName");
    LblSize = named(new QLabel(QCoreApplication::translate("TFrmFont", "&Size: "), g), "LblSize");
    const int captions = std::max({40, LblName->sizeHint().width(), LblSize->sizeHint().width()});
    const int lists = 12 + captions;
    LblName->setGeometry(10, 24, captions, 21);
    CboFontName = named(new QComboBox(g), "CboFontName");
    CboFontName->setGeometry(lists, 24, 200 + wider - lists, 21);
    CboFontName->setAccessibleName(QCoreApplication::translate("TFrmFont", "Font name"));
    LblName->setBuddy(CboFontName);

    LblSize->setGeometry(10, 54, captions, 21);
    CboFontSize = named(new QComboBox(g), "CboFontSize");
    CboFontSize->setGeometry(lists, 54, 60, 21);
    CboFontSize->setAccessibleName(QCoreApplication::translate("TFrmFont", "Font size"));
    LblSize->setBuddy(CboFontSize);

    LblFont = named(new FontSample(QCoreApplication::translate("TFrmFont", "Font Test"), g), "LblFont");
    LblFont->setAlignment(Qt::AlignCenter);
    LblFont->setGeometry(12, 90, 185 + wider, 28);
    QFont sample = LblFont->font();
    sample.setPointSize(InitialSampleSize);
    LblFont->setFont(sample);
    LblSampleNote = named(new QLabel(g), "LblSampleNote");
    LblSampleNote->setAlignment(Qt::AlignCenter);
    LblSampleNote->setGeometry(12, 118, 185 + wider, 12);
    QFont small = LblSampleNote->font();
    small.setPointSize(7);
    LblSampleNote->setFont(small);
    connect(LblFont, &FontSample::scaleChanged, this, [this] {
        const double scale = LblFont->scale();
        LblSampleNote->setText(
            scale < 1.0 ? QCoreApplication::translate("TFrmFont", "Shown smaller to fit: %1 %").arg(qRound(scale * 100))
                        : QString());
    });

    BtnOK = named(new QPushButton(QCoreApplication::translate("TFrmFont", "OK"), this), "BtnOK");
    BtnOK->setDefault(true);
    BtnCancel = named(new QPushButton(QCoreApplication::translate("TFrmFont", "Cancel"), this), "BtnCancel");
    // Right-aligned as in English, each as wide as its caption needs.
    const int cancelWidth = std::max(75, BtnCancel->sizeHint().width());
    const int okWidth = std::max(75, BtnOK->sizeHint().width());
    const int cancelLeft = width() - 8 - cancelWidth;
    BtnCancel->setGeometry(cancelLeft, 146, cancelWidth, 27);
    BtnOK->setGeometry(cancelLeft - 8 - okWidth, 146, okWidth, 27);
}

void TFrmFonts::FormCreate()
{
    const IniFile ini(OptionsFilePath());
    const QString storedName = ini.readString(Section, NameKey, QStringLiteral("Arial"));

    const QStringList names = fontNameEntries(m_fonts.families());
    CboFontName->addItems(names);
    CboFontName->setCurrentIndex(initialFontNameIndex(names, storedName, m_fonts.arialSubstitute()));

    // Built for Arial whatever the name, and offered even where only Arial's
    // substitute is installed: every listed size scales.
    const QStringList sizes = fontSizeEntries();
    CboFontSize->addItems(sizes);
    const QString storedSize = ini.readString(Section, SizeKey, QStringLiteral("20"));
    CboFontSize->setCurrentIndex(lastExactMatch(sizes, storedSize));

    QFont sample = LblFont->font();
    sample.setFamily(CboFontName->currentText());
    LblFont->setFont(sample);
    setSampleSize(storedSize);
}

void TFrmFonts::setSampleSize(const QString &sizeText)
{
    const int points = strToInt(sizeText);
    // Only a hand-edited file holds such sizes; Qt refuses sizes below one,
    // and a huge one would be rendered before being cut to the box.
    if (points < 1)
        return;
    QFont sample = LblFont->font();
    sample.setPointSize(clampedFontSize(points));
    LblFont->setFont(sample);
}

void TFrmFonts::CboFontNameChange()
{
    QFont sample = LblFont->font();
    sample.setFamily(CboFontName->currentText());
    LblFont->setFont(sample);
    setSampleSize(CboFontSize->currentText());
}

void TFrmFonts::CboFontSizeChange()
{
    setSampleSize(CboFontSize->currentText());
}

void TFrmFonts::BtnOKClick()
{
    const bool written = runCommand(m_prompts, [this] {
        IniFile ini(OptionsFilePath());
        ini.writeString(Section, NameKey, CboFontName->currentText());
        ini.writeString(Section, SizeKey, CboFontSize->currentText());
        ini.close();
    });
    if (written)
        accept();
}

void TFrmFonts::BtnCancelClick()
{
    reject();
}
