// The input page "設計条件入力": every design condition as the text or choice of a control, in
// six numbered groups around the box picture, with the bar-pitch panel, the figure controls,
// the report's header entries and the buttons that open the support dialogs and start the
// calculation. The water and ground entries stand in one line at its foot; their dialog edits
// them. The cell entries, edited in theirs, are shown above its button for a box that uses them.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QToolButton>
#include <QWidget>
#include <map>
#include <string>
#include <vector>

#include "calc/design_conditions.h"
#include "ui/box_picture.h"
#include "ui/radio_group.h"

// Values proposed by the allowable-stress support, as the texts to put into the page.
struct AllowableStresses {
    std::string sigmaCk, sigmaCa, tauA, sigmaSa, sigmaSaJoint, tauOa, steelGrade;
};

class InputPage : public QWidget {
    Q_OBJECT
  public:
    explicit InputPage(QWidget* parent);

    // The page's entries; the T-load texts are left at their defaults (the dialog holds them).
    DesignConditions Read() const;
    // Sets every page entry and the figure controls, running the handlers of the choices and
    // the lower-haunch box as a click would. The T-load texts are not the page's and are
    // ignored.
    void Apply(const DesignConditions& conditions);
    // Converts full-width number characters in every numeric field, as leaving it does: for
    // a command given while the cursor is still in a field.
    void FinishEditing();
    // The field that a conversion error names by its label or hint; null when none does.
    QWidget* FieldNamed(const std::string& name) const;
    // Of the named fields, the one the user typed into or chose last, if it is among them:
    // the entry a failed check is most likely about. Empty otherwise.
    std::string LastEditedAmong(const std::vector<std::string>& names) const;
    // The input-related set-up of the window's first showing.
    void SetUpFirstShowing();

    // The "出力図色" item index, which the report pages colour their figures by.
    int FigureColourChoice() const { return figureColours_->ItemIndex(); }

    // Takes the water and ground entries of the conditions and shows them in their line.
    void SetWater(const DesignConditions& conditions);
    // Takes the cell entries of the conditions and shows them beside their button.
    void SetCells(const DesignConditions& conditions);

    void SetFirstLiveLoadCaption(const QString& caption);
    void SetCombination(int index);
    void TakeAllowableStresses(const AllowableStresses& values);

  signals:
    void tLoadRequested();
    void combinationRequested();
    void stressSupportRequested();
    void waterRequested();
    void cellsRequested();
    void runRequested();
    void figureFontSizeChanged(int size);
    void figureColoursClicked(int item);
    // An entry or a figure control changed, by the user or the program.
    void edited();

  private:
    void BuildWeights();
    void BuildEarthPressure();
    void BuildBox();
    void BuildLoads();
    void BuildStresses();
    void BuildCover();
    void BuildPitch();
    void BuildFigureControls();
    void BuildWater();
    void BuildCells();
    void BuildReportHeader();

    void SoilTypeClicked(int index);
    void LiveLoadClicked(int index);
    void PitchModeClicked(int index);
    void LowerHaunchToggled(bool checked);
    void WatchEntries();

    RadioGroup* soilType_;
    QComboBox* gammaS_;
    QComboBox* gammaC_;
    QLineEdit* gammaA_;
    RadioGroup* foundation_;
    QComboBox* ko_;
    BoxPicture* picture_;
    QLineEdit *h1_, *ha_, *tu_, *tl_, *tb_, *hah_, *hab_, *h_, *b_;
    QCheckBox* lowerHaunch_;
    RadioGroup* liveLoad_;
    RadioGroup* combination_;
    QLabel* qLabel_;
    QLineEdit* q_;
    QLineEdit *sigmaCk_, *sigmaCa_, *tauA_, *steelGrade_, *sigmaSa_, *sigmaSaJoint_, *tauOa_;
    QComboBox *dTop_, *dWall_, *dBottomUpper_, *dBottomLower_;
    RadioGroup* pitchMode_;
    QComboBox* pitch_;
    RadioGroup* figureColours_;
    QSlider* figureFont_;
    // The water and ground entries, which the dialog "水位・地盤" edits, and their line.
    DesignConditions water_;
    QLabel* waterLine_;
    // The cell entries, which the dialog "セル数・中壁" edits, and their summary.
    int cells_ = 1;
    std::string tm_;
    QLabel* cellLines_;
    QLineEdit *projectName_, *designer_;
    std::vector<QLineEdit*> numericFields_;
    std::map<std::string, QWidget*> namedFields_;
    std::string lastEdited_;  // the named field the user changed last
};
