// A chart of the result model on screen; repaints from the model. On every figure the mouse
// wheel zooms about the cursor (forward enlarges) and a double click returns to the ranges the
// last run set. With pan and zoom on (the acting-load diagram), a right-button drag moves the
// view and a left-button drag from top left to bottom right enlarges the dragged rectangle;
// dragged the other way it returns to the run's ranges. All of them change the chart's axis
// ranges in the model, so the report page shows the same view.
#pragma once

#include <QPoint>
#include <QWidget>
#include <cstddef>
#include <string>

#include "calc/calc_table.h"
#include "ui/charts/chart_frame.h"

class FigureView : public QWidget {
    Q_OBJECT
  public:
    FigureView(CalcTable& table, std::string chartName, QWidget* parent = nullptr);

    // Shows the model's chart as it is now (after a run, a figure control or a button).
    void refresh();
    // Mouse pan and zoom by dragging; on from the start for "Chart1".
    void setPanZoom(bool on) { panZoom_ = on; }
    bool panZoom() const { return panZoom_; }

  signals:
    // The view changed the chart's axis ranges.
    void chartChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    // The chart of the table; an empty one while the table has none of that name (a figure of
    // the water chapter of a design without it).
    Chart& chart() {
        const auto found = table_.charts.find(chartName_);
        return found == table_.charts.end() ? absent_ : found->second;
    }
    // New data come from a run, and with them the ranges a drag back returns to.
    void NoticeNewData();
    void RememberRunRanges();
    void ReturnToRunRanges();
    void ApplyChange();

    CalcTable& table_;
    std::string chartName_;
    Chart absent_;
    bool panZoom_;
    ChartFrame frame_;  // as last painted, to map the mouse
    std::size_t seenData_ = 0;
    Axis runLeft_, runBottom_, runRight_, runTop_;  // the ranges the last run set
    Qt::MouseButton dragButton_ = Qt::NoButton;
    QPoint dragStart_, dragNow_;
    AxisScale startX_, startY_;  // ranges when a move began
};
