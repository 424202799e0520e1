// A chart of the result model on screen; repaints from the model.
#pragma once

#include <QWidget>
#include <string>

#include "calc/calc_table.h"

class FigureView : public QWidget {
    Q_OBJECT
  public:
    FigureView(CalcTable& table, std::string chartName, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    CalcTable& table_;
    std::string chartName_;
};
