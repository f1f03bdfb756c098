#pragma once

#include "app/FontSample.h"

#include <QDialog>

class IFontCatalogue;
class IPrompts;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

// The font options dialog. It starts from the settings file and its OK
// writes the choice back there; the main window learns of the choice only by
// reading the file again.
class TFrmFonts : public QDialog
{
    Q_OBJECT

public:
    TFrmFonts(IPrompts &prompts, const IFontCatalogue &fonts, QWidget *parent);

    void CboFontNameChange();
    void CboFontSizeChange();
    void BtnOKClick();
    void BtnCancelClick();

    QGroupBox *GroupBoxFonts = nullptr;
    QLabel *LblName = nullptr;
    QComboBox *CboFontName = nullptr;
    QLabel *LblSize = nullptr;
    QComboBox *CboFontSize = nullptr;
    FontSample *LblFont = nullptr;
    // Says when the sample is drawn smaller than its size to fit.
    QLabel *LblSampleNote = nullptr;
    QPushButton *BtnOK = nullptr;
    QPushButton *BtnCancel = nullptr;

private:
    void buildControls();
    void FormCreate();
    void setSampleSize(const QString &sizeText);

    IPrompts &m_prompts;
    const IFontCatalogue &m_fonts;
};
