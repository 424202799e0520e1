// The calculation table: showing and re-showing, the run from the page, the result tabs as
// the model holds them, the fonts of the formula lists and the figure controls.
#include "ui/calc_table_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QTabBar>

#include "tests/ui/window_test_support.h"

namespace {

class CalcTableWindowTest : public testing::Test {
  protected:
    CalcTable table;
    RecordingMessenger messenger;
    CalcTableWindow window{table, messenger, nullptr};

    int Tab(const char* pageControl) const {
        return Find<QTabWidget>(window, pageControl)->currentIndex();
    }
};

TEST_F(CalcTableWindowTest, ShowingSelectsStartingTabsButKeepsEntries) {
    window.show();
    Choose(window.Input(), "RadioGroup1", 3);
    Find<QCheckBox>(window.Input(), "CheckBox1")->click();
    window.Pages()->setCurrentIndex(4);
    Find<QTabWidget>(window, "PageControl3")->setCurrentIndex(0);
    window.hide();
    window.show();
    EXPECT_EQ(Tab("PageControl1"), 0);
    EXPECT_EQ(Tab("PageControl2"), 0);
    EXPECT_EQ(Tab("PageControl3"), 2);
    EXPECT_TRUE(Find<QCheckBox>(window.Input(), "CheckBox1")->isChecked());
    EXPECT_TRUE(Find<QLineEdit>(window.Input(), "Edit10")->isEnabled());
}

// Esc, wherever the cursor is, closes an open dialog and never the calculation table.
TEST_F(CalcTableWindowTest, EscapeClosesDialogsOnly) {
    const auto escape = [](QWidget* target) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
    };
    window.show();
    escape(Find<QLineEdit>(window.Input(), "Edit2"));
    escape(&window);
    EXPECT_TRUE(window.isVisible());
    Click(window.Input(), "SpeedButton3");
    Click(window.Input(), "SpeedButton2");
    ASSERT_TRUE(window.TLoad().isVisible() && window.StressDialog().isVisible());
    escape(Find<QLineEdit>(window.TLoad(), "Edit1"));
    escape(&window.StressDialog());
    EXPECT_FALSE(window.TLoad().isVisible());
    EXPECT_FALSE(window.StressDialog().isVisible());
    EXPECT_TRUE(window.isVisible());
}

TEST_F(CalcTableWindowTest, DefaultsRunWithoutMessageAndShowTheLoadTab) {
    window.show();
    table.List("ListBox9") = {"left from an earlier run"};
    EXPECT_EQ(window.Run(), RunResult::Completed);
    EXPECT_TRUE(messenger.messages.empty());
    EXPECT_EQ(Tab("PageControl1"), 2);
    EXPECT_EQ(Tab("PageControl2"), 0);
    EXPECT_EQ(Tab("PageControl3"), 0);
    // Every list and grid shows what the run left in the model.
    for (const auto& [name, lines] : table.lists) {
        QListWidget* list = window.Results().List(name);
        ASSERT_EQ(list->count(), static_cast<int>(lines.size())) << name;
        for (int k = 0; k < list->count(); ++k)
            EXPECT_EQ(list->item(k)->text().toStdString(), lines[k]) << name;
    }
    for (const auto& [name, grid] : table.grids)
        for (int r = 0; r < grid.rows; ++r)
            for (int c = 0; c < grid.columns; ++c)
                EXPECT_EQ(window.Results().GridView(name)->item(r, c)->text().toStdString(),
                          grid.Cell(c, r))
                    << name << " " << c << "," << r;
}

TEST_F(CalcTableWindowTest, RunButtonOnThePageStartsTheRun) {
    window.show();
    Click(window.Input(), "SpeedButton1");
    EXPECT_EQ(Tab("PageControl1"), 2);
    EXPECT_EQ(window.Results().GridView("StringGrid1")->item(1, 1)->text(),
              QString::fromStdString(table.GridOf("StringGrid1").Cell(1, 1)));
}

TEST_F(CalcTableWindowTest, ResultsShowModelTextsAndLabelColour) {
    table.List("ListBox5") = {"  Ｍａ＝ 1.00", "", "end"};
    table.GridOf("StringGrid3").Cell(13, 12) = "NO";
    table.overLimitCells = {{10, 12}, {13, 12}};
    table.labels["Label97"] = {"許容応力度外", colours::red};
    window.ShowResults();
    QListWidget* list = window.Results().List("ListBox5");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("  Ｍａ＝ 1.00"));
    EXPECT_EQ(list->item(1)->sizeHint().height(), 16);
    const QTableWidget* sections = window.Results().GridView("StringGrid3");
    EXPECT_EQ(sections->item(12, 13)->text(), QStringLiteral("NO"));
    const auto red = [&](int row, int column) {
        return sections->item(row, column)->foreground().color() == QColor(255, 0, 0);
    };
    EXPECT_TRUE(red(12, 13) && red(12, 10));
    EXPECT_FALSE(red(12, 9) || red(11, 13));
    table.overLimitCells.clear();
    window.ShowResults();
    EXPECT_FALSE(red(12, 13) || red(12, 10)) << "the next run's cells are in their own colour";
    QLabel* label = window.Results().Label97();
    EXPECT_EQ(label->text(), QStringLiteral("許容応力度外"));
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

TEST_F(CalcTableWindowTest, FormulaListsUseFixedPitchWithDoubleWidthKana) {
    for (const char* name : {"ListBox7", "ListBox4", "ListBox1", "ListBox3", "ListBox5", "ListBox2",
                             "ListBox9", "ListBox10", "ListBox6"}) {
        const QFont font = window.Results().List(name)->font();
        EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("IPAGothic")) << name;
        const QFontMetricsF metrics(font);
        // A fraction's lines align only if a full-width character is exactly two columns.
        EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("σ＝１．２")),
                  metrics.horizontalAdvance(QStringLiteral("s=1.2")) * 2)
            << name;
        EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("ｶﾗｰ")),
                  metrics.horizontalAdvance(QStringLiteral("abc")))
            << name;
    }
}

// Every control lies inside its parent, so nothing on a tab is cut off; each tab of every
// page control is brought to the front to be laid out.
void ExpectInsideParent(QWidget& widget) {
    if (auto* pages = qobject_cast<QTabWidget*>(&widget)) {
        for (int k = 0; k < pages->count(); ++k) {
            pages->setCurrentIndex(k);
            QApplication::processEvents();
            ExpectInsideParent(*pages->widget(k));
        }
        return;
    }
    for (QWidget* child : widget.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() || !child->isVisibleTo(&widget)) continue;
        const bool placed =
            qobject_cast<const QGroupBox*>(child) || qobject_cast<const QLineEdit*>(child) ||
            qobject_cast<const QComboBox*>(child) ||
            qobject_cast<const QAbstractItemView*>(child) ||
            qobject_cast<const QToolButton*>(child) || qobject_cast<const QSlider*>(child) ||
            qobject_cast<const FigureView*>(child);
        if (placed) {
            EXPECT_TRUE(widget.rect().contains(child->geometry()))
                << child->metaObject()->className() << " " << child->objectName().toStdString()
                << " in " << widget.objectName().toStdString();
        }
        ExpectInsideParent(*child);
    }
}

TEST_F(CalcTableWindowTest, NothingIsCutOff) {
    window.show();
    ExpectInsideParent(*window.Pages());
}

// The table opens, centred, as wide as tab Ⅳ's grid needs to show every cell: every tab of
// the window then shows, none behind scroll arrows.
TEST_F(CalcTableWindowTest, OpensWhereTabFourShowsWhole) {
    window.show();
    window.Pages()->setCurrentIndex(4);
    QApplication::processEvents();
    const QTableWidget* grid = window.Results().GridView("StringGrid3");
    EXPECT_FALSE(grid->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(grid->verticalScrollBar()->isVisible());
    EXPECT_GT(window.width(), 683);
    EXPECT_EQ(window.height(), 439);
    EXPECT_LE(window.Pages()->tabBar()->sizeHint().width(), window.Pages()->width());
    const QPoint offCentre =
        window.frameGeometry().center() - window.screen()->availableGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 40);
}

// Larger, the window gives its lists, grids and figures the room while the input page keeps
// its layout in the middle; back at the form's size every control stands where the form puts it,
// and it gets no smaller than that.
TEST_F(CalcTableWindowTest, GrowsAndComesBackToTheFormsLayout) {
    window.show();
    window.resize(683, 439);
    const QWidget* formulas = window.Results().List("ListBox9");
    const QLineEdit* cover = Find<QLineEdit>(window.Input(), "Edit2");
    const QRect formulasAtDesign = formulas->geometry(), coverAtDesign = cover->geometry();
    window.resize(1600, 1000);
    ExpectInsideParent(*window.Pages());
    EXPECT_GT(formulas->height(), 2 * formulasAtDesign.height());
    EXPECT_GT(window.Results().Figure("Chart1")->width(), 1300);
    EXPECT_GT(window.Results().GridView("StringGrid3")->width(), 1000);
    EXPECT_EQ(cover->geometry(), coverAtDesign);
    // The input page keeps its layout in the middle of the room: the box's group, at 282, 2 in
    // the form, moves by half the growth.
    const QWidget* box = cover->parentWidget();
    EXPECT_EQ(box->pos(), QPoint(282 + (1600 - 683) / 2, 2 + (1000 - 439) / 2));
    window.resize(300, 200);
    EXPECT_EQ(window.size(), QSize(683, 439));
    EXPECT_EQ(formulas->geometry(), formulasAtDesign);
    EXPECT_EQ(box->pos(), QPoint(282, 2));
}

}  // namespace
